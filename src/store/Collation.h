#pragma once

#include <string>
#include <string_view>

namespace store {

// How an index compares text.
enum class Collation {
  Bytes,            // by unsigned byte value
  CaseInsensitive,  // Windows-1251 case folded, ё right after е (Russian and English words)
  // Windows-1255 without its vowel points, final forms read as their letters; texts that are
  // equal so read are ordered by their bytes. Unpointed text whose final forms end their words
  // keeps the byte order, and a lookup key finds the pointed and the unpointed spelling alike.
  Hebrew,
};

// The lower-case partner of a Windows-1251 byte by the Windows case rules: Latin A-Z, Cyrillic
// А-Я, Ё and the other Cyrillic capitals of the code page; every other byte maps to itself.
unsigned char FoldCase1251(unsigned char byte);

// The byte's place in the case-insensitive order, as one byte: two texts mapped byte by byte
// compare with memcmp (then by length) exactly as CompareText(a, b, Collation::CaseInsensitive)
// orders them.
unsigned char SortKey1251(char byte);

// Orders two byte strings by a collation: negative, zero or positive. Case-insensitive comparison
// folds both by FoldCase1251 and places ё right after е, so Russian words fall in alphabetical
// order; it gives zero for texts that differ only in case. Byte and Hebrew comparison give zero
// only for equal bytes.
int CompareText(std::string_view a, std::string_view b, Collation collation);

// Compares a stored text with a lookup key: as CompareText, except that under the Hebrew
// collation texts equal without their points and final forms compare equal. CompareText orders
// texts by this comparison first, so a key's matches stand together.
int CompareToKey(std::string_view text, std::string_view key, Collation collation);

// Appends the Hebrew sort key of `text`: its bytes without the points, final forms replaced by
// their letters. Two keys compared with memcmp (then by length) order as CompareToKey does.
void AppendHebrewKey(std::string_view text, std::string& key);

}  // namespace store
