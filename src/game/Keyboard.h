#pragma once

// The game's on-screen keyboard: 33 letter keys in three rows of eleven and the space bar, each
// with one letter per layout, and the key of the computer's keyboard that presses it.
//
// Keys are numbered 1 to 33 row by row; the space bar is key 35. Letters are single bytes:
// Windows-1251 capitals for Russian, Windows-1255 letters and the apostrophe for Hebrew, ASCII
// capitals for English. Key 33 types "-" and the space bar a blank in every layout.

#include <optional>

#include "text/Codepage.h"

namespace game {

enum class Layout { Russian, Hebrew, English };

// The code page of a layout's letters: Windows-1251, Windows-1255 or ASCII.
text::Codepage LayoutCodepage(Layout layout);

inline constexpr int kLetterKeys = 33;
inline constexpr int kSpaceBar = 35;

// The letter key `key` types in `layout`, or nothing when the key carries no letter there (or is
// no key of the keyboard).
std::optional<char> KeyLetter(Layout layout, int key);

// True when some key of `layout` (the space bar included) types `character`.
bool LayoutTypes(Layout layout, char character);

// The key pressed by the computer's key whose legend on a US keyboard is `legend` (an upper-case
// letter, one of "[];',.-" or a blank), or nothing for any other character.
std::optional<int> KeyOfLegend(char legend);

// The key pressed by the computer's key with this X11 key code (the evdev code plus 8, as X11 and
// Wayland report a key's position whatever layout is active), or nothing.
std::optional<int> KeyOfKeycode(unsigned keycode);

// The key pressed by a released computer key: by its X11 key code when the platform reports one
// (`keycode` not 0) and it is a key of the keyboard, otherwise by its US legend, given as the
// character code the toolkit reports for the key (upper case for letters).
std::optional<int> KeyOfRelease(unsigned keycode, int legend);

}  // namespace game
