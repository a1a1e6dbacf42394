#include "datatool/Conjugation.h"

#include <ostream>

#include "conjugation/Conjugate.h"
#include "datatool/Commands.h"
#include "editor/VerbForms.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace datatool {

int PrintConjugation(const std::string& root, const std::string& pattern, std::ostream& out,
                     std::ostream& err) {
  const auto chosen = conjugation::PatternFromName(pattern);
  if (!chosen) {
    err << "vocamir-data: unknown pattern " << pattern
        << "; the patterns are PAAL, PIEL, HIFIL, NIFAL, PUAL, HUFAL and HITPAEL.\n";
    return kFailed;
  }
  const auto stored = text::TryFromUtf8(root, text::Codepage::Win1255);
  if (!stored) {
    err << "vocamir-data: the root may hold only Hebrew letters.\n";
    return kFailed;
  }
  conjugation::VerbForms forms;
  try {
    forms = conjugation::Conjugate(text::InvertText(*stored), *chosen);
  } catch (const conjugation::NotCovered& refusal) {
    err << "vocamir-data: " << refusal.what() << "\n";
    return kFailed;
  }
  for (int form = 0; form < conjugation::kFormCount; ++form) {
    out << editor::kVerbFormFields[form] << "\t"
        << text::ToUtf8(text::InvertText(forms.Spelling[form]), text::Codepage::Win1255) << "\t"
        << text::ToUtf8(forms.Pronunciation[form], text::Codepage::Win1251) << "\n";
  }
  return kOk;
}

}  // namespace datatool
