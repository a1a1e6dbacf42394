#pragma once

// Turns the template of one verb form into its texts for a given root.
//
// A spelling template is Hebrew text in reading order in which the digits 1 to 4 stand for the
// root letters, "Y" for the yod that writes an "i" vowel and "V" for a middle root letter ו or י
// written as a vowel letter (read "у" or "и" in a hint). A hint template is Cyrillic text in
// which the digits stand for the sounds of the root letters; "*" before a digit makes ב כ פ hard
// (б к п), "~" soft (в х ф); without either they are hard at the start and after a consonant and
// soft after a vowel. "<" follows the stressed vowel. An empty template is a form the pattern
// does not have, and gives an empty text.

#include <QString>
#include <string>

#include "conjugation/Root.h"

namespace conjugation {

// The spelling in the stored form: full spelling, final letters at the end, Windows-1255, display
// order. A consonantal vav of the root inside the word is written double unless a vav stands next
// to it, a consonantal yod unless a vav or yod stands next to it; the "i" yod before a
// consonantal yod is left out.
std::string SpellForm(const Root& root, const QString& spellingTemplate);

// The pronunciation hint in Windows-1251.
std::string PronounceForm(const Root& root, const QString& hintTemplate);

}  // namespace conjugation
