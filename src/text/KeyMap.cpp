#include "text/KeyMap.h"

#include <array>
#include <string_view>

namespace text {
namespace {

constexpr char kNoLetter = '\0';

constexpr char Byte(int value) { return static_cast<char>(value); }

// One key position: the characters that lead to it (ASCII, then Windows-1251) and its letter in
// Russian, Hebrew and English (kNoLetter where the language has none).
struct KeyRow {
  int position;
  std::string_view keys;
  char russian;
  char hebrew;
  char english;
};

// clang-format off
constexpr KeyRow kKeyRows[] = {
    { 1, "q"  "\xE9",            Byte(0xC9), kNoLetter,  'Q'},        // й
    { 2, "wW" "\xF6\xD6",        Byte(0xD6), '\'',       'W'},        // ц Ц
    { 3, "eE" "\xF3\xD3",        Byte(0xD3), Byte(0xF7), 'E'},        // у У
    { 4, "rR" "\xEA\xCA",        Byte(0xCA), Byte(0xF8), 'R'},        // к К
    { 5, "t"  "\xE5",            Byte(0xC5), Byte(0xE0), 'T'},        // е
    { 6, "yY" "\xED\xCD",        Byte(0xCD), Byte(0xE8), 'Y'},        // н Н
    { 7, "u"  "\xE3",            Byte(0xC3), Byte(0xE5), 'U'},        // г
    { 8, "iI" "\xF8\xD8",        Byte(0xD8), Byte(0xEF), 'I'},        // ш Ш
    { 9, "oO" "\xF9\xD9",        Byte(0xD9), Byte(0xED), 'O'},        // щ Щ
    {10, "p"  "\xE7",            Byte(0xC7), Byte(0xF4), 'P'},        // з
    {11, "[{" "\xF5\xD5",        Byte(0xD5), kNoLetter,  kNoLetter},  // х Х
    {12, "aA" "\xF4\xD4",        Byte(0xD4), Byte(0xF9), 'A'},        // ф Ф
    {13, "sS" "\xFB\xDB",        Byte(0xDB), Byte(0xE3), 'S'},        // ы Ы
    {14, "d"  "\xE2",            Byte(0xC2), Byte(0xE2), 'D'},        // в
    {15, "f"  "\xE0",            Byte(0xC0), Byte(0xEB), 'F'},        // а
    {16, "gG" "\xEF\xCF",        Byte(0xCF), Byte(0xF2), 'G'},        // п П
    {17, "hH" "\xF0\xD0",        Byte(0xD0), Byte(0xE9), 'H'},        // р Р
    {18, "jJ" "\xEE\xCE",        Byte(0xCE), Byte(0xE7), 'J'},        // о О
    {19, "kK" "\xEB\xCB",        Byte(0xCB), Byte(0xEC), 'K'},        // л Л
    {20, "lL" "\xE4\xC4",        Byte(0xC4), Byte(0xEA), 'L'},        // д Д
    {21, ";"  "\xE6",            Byte(0xC6), Byte(0xF3), kNoLetter},  // ж
    {22, "'\"" "\xFD\xDD",       Byte(0xDD), kNoLetter,  kNoLetter},  // э Э
    {23, "zZ" "\xFF\xDF",        Byte(0xDF), Byte(0xE6), 'Z'},        // я Я
    {24, "xX" "\xF7\xD7",        Byte(0xD7), Byte(0xF1), 'X'},        // ч Ч
    {25, "cC" "\xF1\xD1",        Byte(0xD1), Byte(0xE1), 'C'},        // с С
    {26, "v"  "\xEC",            Byte(0xCC), Byte(0xE4), 'V'},        // м
    {27, "b"  "\xE8",            Byte(0xC8), Byte(0xF0), 'B'},        // и
    {28, "n"  "\xF2",            Byte(0xD2), Byte(0xEE), 'N'},        // т
    {29, "mM" "\xFC\xDC",        Byte(0xDC), Byte(0xF6), 'M'},        // ь Ь
    {30, ",<" "\xE1\xC1",        Byte(0xC1), Byte(0xFA), kNoLetter},  // б Б
    {31, ".>" "\xFE\xDE",        Byte(0xDE), Byte(0xF5), kNoLetter},  // ю Ю
    {32, "]}" "\xFA\xDA",        Byte(0xDA), kNoLetter,  kNoLetter},  // ъ Ъ
    {33, "-_",                   '-',        '-',        '-'},
    {35, " ",                    ' ',        ' ',        ' '},
    // Shifted keys that type Hebrew vowel points.
    {36, "Q"  "\xC9",            kNoLetter,  Byte(0xC9), kNoLetter},  // Й: holam
    {37, "T"  "\xC5",            kNoLetter,  Byte(0xC5), kNoLetter},  // Е: tsere
    {38, "U"  "\xC3",            kNoLetter,  Byte(0xC3), kNoLetter},  // Г: hataf qamats
    {39, "P"  "\xC7",            kNoLetter,  Byte(0xC7), kNoLetter},  // З: patah
    {40, "D"  "\xC2",            kNoLetter,  Byte(0xC2), kNoLetter},  // В: hataf patah
    {41, "F"  "\xC0",            kNoLetter,  Byte(0xC0), kNoLetter},  // А: sheva
    {44, ":"  "\xC6",            kNoLetter,  Byte(0xC6), kNoLetter},  // Ж: segol
    {45, "V"  "\xCC",            kNoLetter,  Byte(0xCC), kNoLetter},  // М: dagesh
    {46, "B"  "\xC8",            kNoLetter,  Byte(0xC8), kNoLetter},  // И: qamats
    {47, "N"  "\xD2",            kNoLetter,  Byte(0xD2), kNoLetter},  // Т: sin dot
    {50, "(9",                   '(',        '(',        '('},
    {51, ")0",                   ')',        ')',        ')'},
};
// clang-format on

constexpr int kMaxPosition = 51;

// Row index by position (-1 for a position without a row) and position by key byte (0 for none).
struct Lookup {
  std::array<int, kMaxPosition + 1> rowOfPosition{};
  std::array<unsigned char, 256> positionOfKey{};
  bool consistent = true;  // every position and every key appears once
};

constexpr Lookup MakeLookup() {
  Lookup lookup;
  lookup.rowOfPosition.fill(-1);
  for (int row = 0; row < static_cast<int>(std::size(kKeyRows)); ++row) {
    const KeyRow& keyRow = kKeyRows[row];
    if (keyRow.position < 1 || keyRow.position > kMaxPosition ||
        lookup.rowOfPosition[keyRow.position] != -1) {
      lookup.consistent = false;
      continue;
    }
    lookup.rowOfPosition[keyRow.position] = row;
    for (const char key : keyRow.keys) {
      unsigned char& slot = lookup.positionOfKey[static_cast<unsigned char>(key)];
      if (slot != 0) lookup.consistent = false;
      slot = static_cast<unsigned char>(keyRow.position);
    }
  }
  return lookup;
}

constexpr Lookup kLookup = MakeLookup();
static_assert(kLookup.consistent, "a key position or a key character appears twice");

}  // namespace

Codepage LetterCodepage(Language language) {
  switch (language) {
    case Language::Russian:
      return Codepage::Win1251;
    case Language::Hebrew:
      return Codepage::Win1255;
    case Language::English:
      break;
  }
  return Codepage::Ascii;
}

std::optional<int> KeyPosition(char key) {
  const int position = kLookup.positionOfKey[static_cast<unsigned char>(key)];
  if (position == 0) return std::nullopt;
  return position;
}

std::optional<char> LayoutLetter(int position, Language language) {
  if (position < 1 || position > kMaxPosition) return std::nullopt;
  const int row = kLookup.rowOfPosition[position];
  if (row < 0) return std::nullopt;
  char letter = kNoLetter;
  switch (language) {
    case Language::Russian:
      letter = kKeyRows[row].russian;
      break;
    case Language::Hebrew:
      letter = kKeyRows[row].hebrew;
      break;
    case Language::English:
      letter = kKeyRows[row].english;
      break;
  }
  if (letter == kNoLetter) return std::nullopt;
  return letter;
}

std::optional<char> KeyToLetter(char key, Language language) {
  const std::optional<int> position = KeyPosition(key);
  if (!position) return std::nullopt;
  return LayoutLetter(*position, language);
}

}  // namespace text
