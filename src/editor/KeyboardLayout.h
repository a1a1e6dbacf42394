#pragma once

// The keyboard layout of the process, as the pronunciation-hint fields honour it.
//
// Entering a hint field switches the layout: Russian ("00000419") for the Cyrillic hints, US
// English ("00000409") for the English hint. While a layout is active, a character typed on a key
// of the other script becomes the character the active layout puts on the same key, in the case
// it was typed: with Russian active, "q" gives "й" and "Q" gives "Й"; with US English active,
// "я" gives "z". Characters of the active script and everything that is not on a letter key pass
// unchanged. Before any switch no layout is active and nothing is translated.

#include <optional>
#include <string_view>

#include "text/Codepage.h"

namespace editor {

inline constexpr std::string_view kLayoutRussian = "00000419";
inline constexpr std::string_view kLayoutUsEnglish = "00000409";

class KeyboardLayout {
 public:
  enum class Script { None, Russian, UsEnglish };

  // Activates the layout with the given name. A name the process does not know leaves the
  // current layout active and returns false.
  bool Activate(std::string_view name);
  Script Active() const { return active_; }

  // The character the active layout gives for a typed (Unicode) character.
  char16_t Translate(char16_t typed) const;

 private:
  Script active_ = Script::None;
};

// The pronunciation-hint rule: "\" enters the stress mark "<"; every other character is kept.
char16_t HintCharacter(char16_t typed);

// What a key typed into a hint field enters: the active layout's character on the key, "\" as
// the stress mark; nothing when the field's code page cannot hold the result.
std::optional<char16_t> HintKey(const KeyboardLayout& layout, char16_t typed,
                                text::Codepage codepage);

}  // namespace editor
