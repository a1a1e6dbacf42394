#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "store/Collation.h"
#include "text/HebrewLetters.h"

namespace store {
namespace {

constexpr auto kBytes = Collation::Bytes;
constexpr auto kNoCase = Collation::CaseInsensitive;

TEST(FoldCase1251, FoldsLatinAndCyrillicCapitals) {
  const struct {
    unsigned char upper, lower;
  } cases[] = {{'A', 'a'},
               {'Z', 'z'},
               {0xC0, 0xE0} /* А а */,
               {0xDF, 0xFF} /* Я я */,
               {0xA8, 0xB8} /* Ё ё */,
               {0xB2, 0xB3} /* І і */,
               {0x80, 0x90} /* Ђ ђ */,
               {0xAA, 0xBA} /* Є є */,
               {0xA5, 0xB4} /* Ґ ґ */};
  for (const auto& c : cases) {
    EXPECT_EQ(FoldCase1251(c.upper), c.lower) << int(c.upper);
    EXPECT_EQ(FoldCase1251(c.lower), c.lower) << int(c.lower);
  }
}

TEST(FoldCase1251, LeavesOtherBytesAlone) {
  for (int b : {0x30, 0x3C, 0x2A, 0xE0, 0xFA, 0x00, 0xFF, 0x98}) {
    EXPECT_EQ(FoldCase1251(static_cast<unsigned char>(b)), b) << b;
  }
}

TEST(CompareText, OrdersAsTheIndexSays) {
  const struct {
    const char* a;
    const char* b;
    Collation collation;
    int sign;
  } cases[] = {
      {"abc", "abd", kBytes, -1},
      {"ABC", "abc", kBytes, -1},
      {"ABC", "abc", kNoCase, 0},
      {"\xCA\xCE\xD2", "\xEA\xEE\xF2", kNoCase, 0},  // КОТ = кот
      {"\xEA\xEE", "\xCA\xCE\xD2", kNoCase, -1},     // ко < КОТ (prefix)
      {"\xC5\xC6", "\xA8\xC6", kNoCase, -1},         // ЕЖ < ЁЖ
      {"\xA8\xC6", "\xC6", kNoCase, -1},             // ЁЖ < Ж
      {"\xE0", "\xC0\xC0", kNoCase, -1},             // а < АА
      {"", "a", kNoCase, -1},
      {"", "", kBytes, 0},
      {"\xFF", "\x7F", kBytes, 1},  // unsigned bytes
  };
  for (const auto& c : cases) {
    const int result = CompareText(c.a, c.b, c.collation);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " vs " << c.b;
  }
}

// Texts mapped by SortKey1251 and compared with memcmp order exactly as the case-insensitive
// comparison does: every pair of single bytes, and words that differ in case, ё/е and length.
TEST(SortKey1251, MemcmpOfKeysOrdersAsCaseInsensitiveCompare) {
  const auto key = [](const std::string& text) {
    std::string mapped;
    for (const char byte : text) mapped.push_back(static_cast<char>(SortKey1251(byte)));
    return mapped;
  };
  const auto sign = [](int value) { return (value > 0) - (value < 0); };
  const auto keyOrder = [&](const std::string& a, const std::string& b) {
    const std::string ka = key(a), kb = key(b);
    const int common = std::memcmp(ka.data(), kb.data(), std::min(ka.size(), kb.size()));
    if (common != 0) return sign(common);
    return sign(static_cast<int>(ka.size()) - static_cast<int>(kb.size()));
  };
  std::vector<std::string> texts;
  for (int b = 0; b < 256; ++b) texts.emplace_back(1, static_cast<char>(b));
  for (const char* word : {"\xE5\xE6", "\xB8\xE6", "\xC5\xE6", "\xA8", "ab", "AB", "a", ""}) {
    texts.emplace_back(word);
  }
  for (const std::string& a : texts) {
    for (const std::string& b : texts) {
      ASSERT_EQ(keyOrder(a, b), sign(CompareText(a, b, kNoCase)))
          << int(static_cast<unsigned char>(a[0])) << " " << int(static_cast<unsigned char>(b[0]));
    }
  }
}

int Sign(int value) { return (value > 0) - (value < 0); }

// Hebrew in reading order: the words are compared without their points, final forms as their
// letters; texts equal so are ordered by their bytes.
TEST(CompareText, HebrewIgnoresPointsAndFinalForms) {
  const struct {
    const char* a;
    const char* b;
    int textSign;  // CompareText: the order of the index
    int keySign;   // CompareToKey: a as the stored text, b as the lookup key
  } cases[] = {
      // שלום against שָׁלוֹם (shin dot, qamats, holam): found by the key, the pointed form first.
      {"\xF9\xEC\xE5\xED", "\xF9\xD1\xC8\xEC\xE5\xC9\xED", 1, 0},
      {"\xF9\xD1\xC8\xEC\xE5\xC9\xED", "\xF9\xEC\xE5\xED", -1, 0},
      {"\xF9\xEC\xE5\xED", "\xF9\xEC\xE5\xEE", -1, 0},  // שלום and שלומ: final mem is mem
      {"\xF1\xF3", "\xF1\xF4", -1, 0},                  // סף and ספ
      {"\xF1\xF3", "\xF1\xF4\xF8", -1, -1},             // סף before ספר
      {"\xF9\xEC", "\xF9\xD1\xC8\xEC\xE5\xC9\xED", -1, -1},  // של before שָׁלוֹם
      {"\xE1\xCC\xE0", "\xE1\xE1", -1, -1},                  // בּא before בב: dagesh skipped
      {"\xEA", "\xEC", -1, -1},                              // ך before ל
      {"\xF5\xE0", "\xF6", 1, 1},                            // ץא after צ: read as צא
      {"\xC8", "", 1, 0},                                    // a lone point is no letter
      {"", "", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sign(CompareText(c.a, c.b, Collation::Hebrew)), c.textSign) << c.a << " / " << c.b;
    EXPECT_EQ(Sign(CompareToKey(c.a, c.b, Collation::Hebrew)), c.keySign) << c.a << " / " << c.b;
  }
}

// Unpointed phrases whose final forms end their words, as Hebrew is written: the Hebrew order is
// the byte order the indexes had before they read points and final forms, and the sort keys
// order as the key comparison.
TEST(CompareText, HebrewKeepsTheByteOrderOfUnpointedWords) {
  std::mt19937 random(11);
  const auto letter = [&] { return static_cast<unsigned char>(0xE0 + random() % 27); };
  std::vector<std::string> phrases;
  for (int i = 0; i < 3000; ++i) {
    std::string phrase;
    for (int words = 1 + static_cast<int>(random() % 2); words > 0; --words) {
      if (!phrase.empty()) phrase += ' ';
      for (int length = 1 + static_cast<int>(random() % 3); length > 0; --length) {
        // A letter has its final form at the end of a word and its ordinary form elsewhere.
        const auto ordinary = text::HebrewBaseLetter(letter());
        const auto final = static_cast<unsigned char>(ordinary - 1);
        const bool hasFinal = text::HebrewBaseLetter(final) == ordinary;
        phrase += static_cast<char>(length == 1 && hasFinal ? final : ordinary);
      }
    }
    phrases.push_back(phrase);
  }
  std::vector<std::string> byHebrew = phrases;
  std::sort(byHebrew.begin(), byHebrew.end(), [](const std::string& a, const std::string& b) {
    return CompareText(a, b, Collation::Hebrew) < 0;
  });
  std::sort(phrases.begin(), phrases.end());
  ASSERT_EQ(byHebrew, phrases);
  const auto key = [](const std::string& text) {
    std::string folded;
    AppendHebrewKey(text, folded);
    return folded;
  };
  for (std::size_t i = 1; i < phrases.size(); ++i) {
    const std::string& a = phrases[i - 1];
    const std::string& b = phrases[i];
    ASSERT_EQ(Sign(key(a).compare(key(b))), Sign(CompareToKey(a, b, Collation::Hebrew))) << i;
  }
}

}  // namespace
}  // namespace store
