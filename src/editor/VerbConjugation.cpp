#include "editor/VerbConjugation.h"

#include <algorithm>

#include "conjugation/Conjugate.h"

namespace editor {
namespace {

constexpr char kNoRoot[] = "Enter the root of the verb (\"Cammon\" page) before \"Conjugate\".";
constexpr char kNoPattern[] =
    "Choose the verb pattern in \"Forms of Verbs\" before \"Conjugate\": \"EXCEPTION\" has no "
    "rule to follow.";

// A typed text, the conjugated one, and the rule that puts the second over the first.
void Fill(std::string& typed, const std::string& conjugated, bool replaceTyped) {
  if (conjugated.empty()) return;
  if (typed.empty() || replaceTyped) typed = conjugated;
}

bool Replaces(const std::string& typed, const std::string& conjugated) {
  return !typed.empty() && !conjugated.empty() && typed != conjugated;
}

}  // namespace

ConjugatedForms ConjugateVerb(const std::string& storedRoot, int binyan) {
  const bool noRoot =
      std::all_of(storedRoot.begin(), storedRoot.end(), [](char c) { return c == ' '; });
  const auto pattern = conjugation::PatternFromCode(binyan);
  if (noRoot && !pattern) throw ConjugationInputMissing(std::string(kNoRoot) + "\n" + kNoPattern);
  if (noRoot) throw ConjugationInputMissing(kNoRoot);
  if (!pattern) throw ConjugationInputMissing(kNoPattern);
  const conjugation::VerbForms forms = conjugation::Conjugate(storedRoot, *pattern);
  ConjugatedForms result;
  std::copy(forms.Spelling.begin(), forms.Spelling.end(), result.spelling.begin());
  std::copy(forms.Pronunciation.begin(), forms.Pronunciation.end(), result.pronunciation.begin());
  return result;
}

bool ReplacesTypedForms(const VerbTable& table, const ConjugatedForms& forms) {
  for (int form = 0; form < kVerbFormCount; ++form) {
    if (Replaces(table.VerbSpelling[form], forms.spelling[form]) ||
        Replaces(table.VerbPronunciation[form], forms.pronunciation[form])) {
      return true;
    }
  }
  return false;
}

void FillForms(VerbTable& table, const ConjugatedForms& forms, bool replaceTyped) {
  for (int form = 0; form < kVerbFormCount; ++form) {
    Fill(table.VerbSpelling[form], forms.spelling[form], replaceTyped);
    Fill(table.VerbPronunciation[form], forms.pronunciation[form], replaceTyped);
  }
}

}  // namespace editor
