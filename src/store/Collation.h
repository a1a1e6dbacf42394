#pragma once

#include <string_view>

namespace store {

// The lower-case partner of a Windows-1251 byte by the Windows case rules: Latin A-Z, Cyrillic
// А-Я, Ё and the other Cyrillic capitals of the code page; every other byte maps to itself.
unsigned char FoldCase1251(unsigned char byte);

// The byte's place in the case-insensitive order, as one byte: two texts mapped byte by byte
// compare with memcmp (then by length) exactly as CompareText(a, b, true) orders them.
unsigned char SortKey1251(char byte);

// Orders two byte strings: negative, zero or positive. Case-sensitive comparison orders by
// unsigned byte value. Case-insensitive comparison folds both by FoldCase1251 and places ё right
// after е, so Russian words fall in alphabetical order.
int CompareText(std::string_view a, std::string_view b, bool caseInsensitive);

}  // namespace store
