#include "editor/VerbForms.h"

namespace editor {

const std::array<const char*, kVerbFormCount> kVerbFormFields = {
    "Nast1",  "Nast2",  "Nast3",  "Nast4",  "Prosh1", "Prosh2", "Prosh3",
    "Prosh4", "Prosh5", "Prosh6", "Prosh7", "Prosh8", "Prosh9", "Prosh10",
    "Bud1",   "Bud2",   "Bud3",   "Bud4",   "Bud5",   "Bud6",   "Bud7",
    "Bud8",   "Bud9",   "Bud10",  "Pov1",   "Pov2",   "Pov3",   "Process"};

const VerbTexts& VerbFormLabels() {
  // Each label names tense and person; the tense stands in brackets at the left (display order).
  static const VerbTexts labels = {
      "(\xE4\xE5\xE5\xE4)\xF8\xEB\xE6",          // present, masculine singular
      "(\xE4\xE5\xE5\xE4)\xE4\xE1\xF7\xF0",      // present, feminine singular
      "(\xE4\xE5\xE5\xE4)\xED\xE9\xE1\xF8",      // present, masculine plural
      "(\xE4\xE5\xE5\xE4)\xFA\xE5\xE1\xF8",      // present, feminine plural
      "(\xF8\xE1\xF2)\xE9\xF0\xE0",              // past, I
      "(\xF8\xE1\xF2)\xE4\xFA\xE0",              // past, you (m. sg.)
      "(\xF8\xE1\xF2)\xFA\xE0",                  // past, you (f. sg.)
      "(\xF8\xE1\xF2)\xE0\xE5\xE4",              // past, he
      "(\xF8\xE1\xF2)\xE0\xE9\xE4",              // past, she
      "(\xF8\xE1\xF2)\xE5\xF0\xE7\xF0\xE0",      // past, we
      "(\xF8\xE1\xF2)\xED\xFA\xE0",              // past, you (m. pl.)
      "(\xF8\xE1\xF2)\xEF\xFA\xE0",              // past, you (f. pl.)
      "(\xF8\xE1\xF2)\xED\xE4",                  // past, they (m.)
      "(\xF8\xE1\xF2)\xEF\xE4",                  // past, they (f.)
      "(\xE3\xE9\xFA\xF2)\xE9\xF0\xE0",          // future, I
      "(\xE3\xE9\xFA\xF2)\xE4\xFA\xE0",          // future, you (m. sg.)
      "(\xE3\xE9\xFA\xF2)\xFA\xE0",              // future, you (f. sg.)
      "(\xE3\xE9\xFA\xF2)\xE0\xE5\xE4",          // future, he
      "(\xE3\xE9\xFA\xF2)\xE0\xE9\xE4",          // future, she
      "(\xE3\xE9\xFA\xF2)\xE5\xF0\xE7\xF0\xE0",  // future, we
      "(\xE3\xE9\xFA\xF2)\xED\xFA\xE0",          // future, you (m. pl.)
      "(\xE3\xE9\xFA\xF2)\xEF\xFA\xE0",          // future, you (f. pl.)
      "(\xE3\xE9\xFA\xF2)\xED\xE4",              // future, they (m.)
      "(\xE3\xE9\xFA\xF2)\xEF\xE4",              // future, they (f.)
      "(\xE9\xE5\xE5\xF6)\xE4\xFA\xE0",          // imperative, you (m. sg.)
      "(\xE9\xE5\xE5\xF6)\xFA\xE0",              // imperative, you (f. sg.)
      "(\xE9\xE5\xE5\xF6)\xED\xFA\xE0",          // imperative, you (pl.)
      "\xE4\xEC\xE5\xF2\xF4",                    // verbal noun
  };
  return labels;
}

bool FormShown(std::string_view mask, int form) {
  return form >= 0 && form < kVerbFormCount && static_cast<size_t>(form) < mask.size() &&
         mask[form] == '1';
}

std::vector<VerbGridColumn> BuildVerbGrid(std::string_view mask, const VerbTexts& labels,
                                          const VerbTexts& spelling) {
  std::vector<VerbGridColumn> columns;
  columns.push_back({kPresentMasculine, labels[kPresentMasculine], spelling[kPresentMasculine]});
  for (int form = 1; form < kVerbFormCount; ++form) {
    if (FormShown(mask, form)) columns.push_back({form, labels[form], spelling[form]});
  }
  return columns;
}

std::array<DerivedForm, 3> DerivePresentForms(std::string_view masculine) {
  const std::string base(masculine);
  return {{
      {kPresentFeminine, "\xFA" + base},             // tav
      {kPresentMasculinePlural, "\xED\xE9" + base},  // final mem, yod
      {kPresentFemininePlural, "\xFA\xE5" + base},   // tav, vav
  }};
}

}  // namespace editor
