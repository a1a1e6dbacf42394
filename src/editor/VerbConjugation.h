#pragma once

// The "Conjugate" command of the verb page without its window: the forms of the verb from the
// root and the pattern chosen in the editor, and how they go into the forms being edited.

#include <stdexcept>
#include <string>

#include "editor/VerbTable.h"

namespace editor {

// Thrown when the root or the pattern is missing; the text says which and what to do.
class ConjugationInputMissing : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The 28 spellings (Windows-1255, display order) and pronunciations of a conjugated verb.
struct ConjugatedForms {
  VerbTexts spelling;
  VerbTexts pronunciation;
};

// The forms of the verb of `storedRoot` (the root box's text: Windows-1255, display order) in
// the pattern at list position `binyan` (as CBDopHE holds it). Throws ConjugationInputMissing
// when the root is empty or blank or the pattern is "EXCEPTION", and conjugation::NotCovered
// when the engine refuses the root.
ConjugatedForms ConjugateVerb(const std::string& storedRoot, int binyan);

// Whether putting `forms` into `table` would change a form that is not empty.
bool ReplacesTypedForms(const VerbTable& table, const ConjugatedForms& forms);

// Puts `forms` into the spellings and pronunciations of `table`: every empty text is filled;
// a text already there is replaced only when `replaceTyped` is true. A form the pattern does not
// have (empty in `forms`) is never touched.
void FillForms(VerbTable& table, const ConjugatedForms& forms, bool replaceTyped);

}  // namespace editor
