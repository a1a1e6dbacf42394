#pragma once

// The conjugation engine: the 28 forms of a Hebrew verb from its root and pattern.
//
// It covers regular roots in every pattern, four-letter roots in PIEL, PUAL and HITPAEL, the
// irregular verbs הלך, אכל, אמר, אהב, נתן, לקח, בוא, היה and יכל, and, for PAAL, PIEL, HIFIL,
// NIFAL and HITPAEL, the common weak roots and their combinations: first letter nun or yod,
// middle vav or yod, final he or alef, and gutturals. A root it does not cover is refused with
// the reason (NotCovered); it never guesses.

#include <array>
#include <string>
#include <string_view>

#include "conjugation/NotCovered.h"
#include "conjugation/Paradigm.h"
#include "conjugation/Pattern.h"

namespace conjugation {

// The forms of one verb, indexed by form number 0..27 in the order of the verb-form list.
struct VerbForms {
  // Full spelling without points, Windows-1255, display order (last letter first), as the verb
  // tables store it. Empty for a form the pattern does not have (the imperative and the verbal
  // noun of PUAL and HUFAL).
  std::array<std::string, kFormCount> Spelling;
  // Cyrillic pronunciation hint, Windows-1251, "<" after the stressed vowel; empty with the
  // spelling.
  std::array<std::string, kFormCount> Pronunciation;
};

// Conjugates `storedRoot` (Windows-1255, display order, as the root box and the word tables hold
// it) in `pattern`. A ש marked with the sin point is read "с", any other ש "ш". Throws NotCovered
// with the reason when the text is not a root or the engine does not cover the root in the
// pattern.
VerbForms Conjugate(std::string_view storedRoot, Pattern pattern);

}  // namespace conjugation
