#include "store/Collation.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "text/HebrewLetters.h"

namespace store {

namespace {

constexpr unsigned char kSmallE = 0xE5;     // е
constexpr unsigned char kSmallYo = 0xB8;    // ё
constexpr unsigned char kCapitalYo = 0xA8;  // Ё

constexpr std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) table[b] = static_cast<unsigned char>(b);
  for (int b = 'A'; b <= 'Z'; ++b) table[b] = static_cast<unsigned char>(b + 0x20);
  for (int b = 0xC0; b <= 0xDF; ++b) table[b] = static_cast<unsigned char>(b + 0x20);
  // The Cyrillic capitals outside А-Я and their small letters.
  constexpr std::pair<int, int> kPairs[] = {
      {0x80, 0x90},           {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
      {0x8E, 0x9E},           {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
      {kCapitalYo, kSmallYo}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
  for (auto [upper, lower] : kPairs) table[upper] = static_cast<unsigned char>(lower);
  return table;
}

// Sort weight of a byte under case-insensitive comparison: its folded value doubled, with ё
// taking the odd weight just above е.
constexpr std::array<std::uint16_t, 256> MakeWeightTable() {
  constexpr auto fold = MakeFoldTable();
  std::array<std::uint16_t, 256> table{};
  for (int b = 0; b < 256; ++b) {
    const unsigned char folded = fold[b];
    table[b] = folded == kSmallYo ? static_cast<std::uint16_t>(kSmallE * 2 + 1)
                                  : static_cast<std::uint16_t>(folded * 2);
  }
  return table;
}

// Each byte's rank among the distinct weights: the same order in a single byte.
constexpr std::array<unsigned char, 256> MakeRankTable() {
  constexpr auto weight = MakeWeightTable();
  std::array<int, 512> below{};  // distinct weights below each weight
  for (int b = 0; b < 256; ++b) below[weight[b]] = 1;
  for (int w = 0, count = 0; w < 512; ++w) {
    const int used = below[w];
    below[w] = count;
    count += used;
  }
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) table[b] = static_cast<unsigned char>(below[weight[b]]);
  return table;
}

// A byte's Hebrew comparison value: a final form its letter's; the points are skipped before.
constexpr std::array<unsigned char, 256> MakeHebrewTable() {
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) table[b] = text::HebrewBaseLetter(static_cast<unsigned char>(b));
  return table;
}

constexpr auto kFold = MakeFoldTable();
constexpr auto kWeight = MakeWeightTable();
constexpr auto kRank = MakeRankTable();
constexpr auto kHebrew = MakeHebrewTable();

int CompareLengths(std::size_t a, std::size_t b) { return a == b ? 0 : (a < b ? -1 : 1); }

int CompareBytes(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  const int result = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
  return result != 0 ? result : CompareLengths(a.size(), b.size());
}

int CompareFoldedCase(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int wa = kWeight[static_cast<unsigned char>(a[i])];
    const int wb = kWeight[static_cast<unsigned char>(b[i])];
    if (wa != wb) return wa - wb;
  }
  return CompareLengths(a.size(), b.size());
}

// Hebrew letters compared with the points skipped and final forms as their letters.
int CompareHebrewLetters(std::string_view a, std::string_view b) {
  const auto skipPoints = [](std::string_view text, std::size_t i) {
    while (i < text.size() && text::IsHebrewPoint(static_cast<unsigned char>(text[i]))) ++i;
    return i;
  };
  std::size_t i = 0;
  std::size_t j = 0;
  for (;;) {
    i = skipPoints(a, i);
    j = skipPoints(b, j);
    if (i == a.size() || j == b.size()) break;
    const int la = kHebrew[static_cast<unsigned char>(a[i++])];
    const int lb = kHebrew[static_cast<unsigned char>(b[j++])];
    if (la != lb) return la - lb;
  }
  // What remains of a text that has not ended starts with a letter.
  const bool endedA = i == a.size();
  const bool endedB = j == b.size();
  if (endedA == endedB) return 0;
  return endedA ? -1 : 1;
}

}  // namespace

unsigned char FoldCase1251(unsigned char byte) { return kFold[byte]; }

unsigned char SortKey1251(char byte) { return kRank[static_cast<unsigned char>(byte)]; }

int CompareText(std::string_view a, std::string_view b, Collation collation) {
  switch (collation) {
    case Collation::Bytes:
      return CompareBytes(a, b);
    case Collation::CaseInsensitive:
      return CompareFoldedCase(a, b);
    case Collation::Hebrew: {
      const int letters = CompareHebrewLetters(a, b);
      return letters != 0 ? letters : CompareBytes(a, b);
    }
  }
  return 0;
}

int CompareToKey(std::string_view text, std::string_view key, Collation collation) {
  switch (collation) {
    case Collation::Bytes:
      return CompareBytes(text, key);
    case Collation::CaseInsensitive:
      return CompareFoldedCase(text, key);
    case Collation::Hebrew:
      return CompareHebrewLetters(text, key);
  }
  return 0;
}

void AppendHebrewKey(std::string_view text, std::string& key) {
  for (const char byte : text) {
    const auto value = static_cast<unsigned char>(byte);
    if (!text::IsHebrewPoint(value)) key.push_back(static_cast<char>(kHebrew[value]));
  }
}

}  // namespace store
