#include "game/Keyboard.h"

#include <array>

namespace game {
namespace {

// A key: the legend of its PC key on a US keyboard, the X11 key code of that PC key, and its
// letter in the Russian, Hebrew and English layouts (0 where it has none).
struct KeyRow {
  char legend;
  unsigned keycode;
  unsigned char russian;
  unsigned char hebrew;
  char english;
};

// Keys 1 to 33 in order, then the space bar.
constexpr std::array<KeyRow, kLetterKeys + 1> kKeys{{
    {'Q', 24, 0xC9, 0, 'Q'},    {'W', 25, 0xD6, 0x27, 'W'}, {'E', 26, 0xD3, 0xF7, 'E'},
    {'R', 27, 0xCA, 0xF8, 'R'}, {'T', 28, 0xC5, 0xE0, 'T'}, {'Y', 29, 0xCD, 0xE8, 'Y'},
    {'U', 30, 0xC3, 0xE5, 'U'}, {'I', 31, 0xD8, 0xEF, 'I'}, {'O', 32, 0xD9, 0xED, 'O'},
    {'P', 33, 0xC7, 0xF4, 'P'}, {'[', 34, 0xD5, 0, 0},      {'A', 38, 0xD4, 0xF9, 'A'},
    {'S', 39, 0xDB, 0xE3, 'S'}, {'D', 40, 0xC2, 0xE2, 'D'}, {'F', 41, 0xC0, 0xEB, 'F'},
    {'G', 42, 0xCF, 0xF2, 'G'}, {'H', 43, 0xD0, 0xE9, 'H'}, {'J', 44, 0xCE, 0xE7, 'J'},
    {'K', 45, 0xCB, 0xEC, 'K'}, {'L', 46, 0xC4, 0xEA, 'L'}, {';', 47, 0xC6, 0xF3, 0},
    {'\'', 48, 0xDD, 0, 0},     {'Z', 52, 0xDF, 0xE6, 'Z'}, {'X', 53, 0xD7, 0xF1, 'X'},
    {'C', 54, 0xD1, 0xE1, 'C'}, {'V', 55, 0xCC, 0xE4, 'V'}, {'B', 56, 0xC8, 0xF0, 'B'},
    {'N', 57, 0xD2, 0xEE, 'N'}, {'M', 58, 0xDC, 0xF6, 'M'}, {',', 59, 0xC1, 0xFA, 0},
    {'.', 60, 0xDE, 0xF5, 0},   {']', 35, 0xDA, 0, 0},      {'-', 20, '-', '-', '-'},
    {' ', 65, ' ', ' ', ' '},
}};

// The row of a key number, or nothing.
const KeyRow* RowOf(int key) {
  if (key >= 1 && key <= kLetterKeys) return &kKeys[key - 1];
  if (key == kSpaceBar) return &kKeys[kLetterKeys];
  return nullptr;
}

int KeyNumber(std::size_t index) {
  return index < kLetterKeys ? static_cast<int>(index) + 1 : kSpaceBar;
}

}  // namespace

text::Codepage LayoutCodepage(Layout layout) {
  switch (layout) {
    case Layout::Russian:
      return text::Codepage::Win1251;
    case Layout::Hebrew:
      return text::Codepage::Win1255;
    case Layout::English:
      break;
  }
  return text::Codepage::Ascii;
}

std::optional<char> KeyLetter(Layout layout, int key) {
  const KeyRow* row = RowOf(key);
  if (row == nullptr) return std::nullopt;
  char letter = 0;
  switch (layout) {
    case Layout::Russian:
      letter = static_cast<char>(row->russian);
      break;
    case Layout::Hebrew:
      letter = static_cast<char>(row->hebrew);
      break;
    case Layout::English:
      letter = row->english;
      break;
  }
  if (letter == 0) return std::nullopt;
  return letter;
}

bool LayoutTypes(Layout layout, char character) {
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (KeyLetter(layout, KeyNumber(i)) == character) return true;
  }
  return false;
}

std::optional<int> KeyOfLegend(char legend) {
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (kKeys[i].legend == legend) return KeyNumber(i);
  }
  return std::nullopt;
}

std::optional<int> KeyOfKeycode(unsigned keycode) {
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (kKeys[i].keycode == keycode) return KeyNumber(i);
  }
  return std::nullopt;
}

std::optional<int> KeyOfRelease(unsigned keycode, int legend) {
  if (keycode != 0) {
    if (const auto key = KeyOfKeycode(keycode)) return key;
  }
  if (legend < 0x20 || legend > 0x7E) return std::nullopt;
  return KeyOfLegend(static_cast<char>(legend));
}

}  // namespace game
