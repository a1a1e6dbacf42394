#pragma once

// What a typed character becomes in each text box that takes its letters through the keyboard
// mapping: the character itself when the box lets it pass unchanged, otherwise KeyToLetter of it
// in the box's language, or nothing (the key types nothing) when the mapping has no letter.

#include <QChar>
#include <optional>
#include <string_view>

#include "text/Language.h"

namespace text {

// The text boxes that map their keys, named as their components.
enum class KeyBox {
  Edit3,     // Russian search
  Memo1,     // Hebrew word search
  Memo2,     // Hebrew root search
  Edit1,     // English search
  DBEdit1,   // editor: Russian word
  DBMemo1,   // editor: Hebrew word
  DBEdit3,   // editor: English word
  DBMemo5,   // editor: Hebrew root
  MemoShov,  // editor: Hebrew verb form (always Hebrew, whatever the input language)
};

// The characters the box lets pass unchanged (backspace is "\b").
std::string_view PassThroughKeys(KeyBox box);

// The byte that goes into the box for the typed byte `key` (ASCII or Windows-1251), with
// `inputLanguage` the language of the box's input (nothing before the window has set one: then
// only the pass-through keys and the boxes of a fixed language type); nothing when the key types
// nothing.
std::optional<char> TypeKey(KeyBox box, std::optional<Language> inputLanguage, char key);

// The same for a character as a key event delivers it: Latin and Cyrillic key characters are
// looked up through Windows-1251, and the result is the character of the letter in the code page of
// the language (see LetterCodepage). Any character outside Windows-1251 types nothing.
std::optional<QChar> TypeKey(KeyBox box, std::optional<Language> inputLanguage, QChar typed);

}  // namespace text
