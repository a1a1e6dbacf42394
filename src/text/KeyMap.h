#pragma once

// The keyboard mapping: a typed character becomes the letter that lies on the same physical key
// in the chosen language, whatever keyboard layout the system has active.
//
// Keys and letters are single bytes. A key is the character a Latin (ASCII) or Russian
// (Windows-1251) layout types on the key. Letters are Windows-1251 capitals for Russian,
// Windows-1255 letters, vowel points and the apostrophe for Hebrew, and ASCII capitals for
// English; the digits 9 and 0, "(", ")", "-", "_" and the blank give "(", ")", "-" and blank in
// every language.

#include <optional>

#include "text/Codepage.h"
#include "text/Language.h"

namespace text {

// The code page of the letters the mapping gives in a language (Russian 1251, Hebrew 1255,
// English ASCII).
Codepage LetterCodepage(Language language);

// The key position (1 to 51) of a typed character, or nothing for a character on no mapped key
// (control characters, the digits 1 to 8, most punctuation, the bytes 0x7F to 0xBF). Both cases
// lead to the same position, except on the ten keys whose shifted form types a Hebrew vowel
// point (Q, T, U, P, D, F, ";", V, B, N and their Cyrillic twins): there the capital or shifted
// character has a position of its own (36 to 47).
std::optional<int> KeyPosition(char key);

// The letter at a key position in a language, or nothing where the language has no letter there
// (or the position is unknown).
std::optional<char> LayoutLetter(int position, Language language);

// The letter that replaces the typed character `key` in `language`: LayoutLetter of the key's
// position. Nothing when the key has no position or the language has no letter on it; the
// callers then type nothing.
std::optional<char> KeyToLetter(char key, Language language);

}  // namespace text
