#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "store/Collation.h"

namespace store {
namespace {

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
    bool caseInsensitive;
    int sign;
  } cases[] = {
      {"abc", "abd", false, -1},
      {"ABC", "abc", false, -1},
      {"ABC", "abc", true, 0},
      {"\xCA\xCE\xD2", "\xEA\xEE\xF2", true, 0},  // КОТ = кот
      {"\xEA\xEE", "\xCA\xCE\xD2", true, -1},     // ко < КОТ (prefix)
      {"\xC5\xC6", "\xA8\xC6", true, -1},         // ЕЖ < ЁЖ
      {"\xA8\xC6", "\xC6", true, -1},             // ЁЖ < Ж
      {"\xE0", "\xC0\xC0", true, -1},             // а < АА
      {"", "a", true, -1},
      {"", "", false, 0},
      {"\xFF", "\x7F", false, 1},  // unsigned bytes
  };
  for (const auto& c : cases) {
    const int result = CompareText(c.a, c.b, c.caseInsensitive);
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
      ASSERT_EQ(keyOrder(a, b), sign(CompareText(a, b, true)))
          << int(static_cast<unsigned char>(a[0])) << " " << int(static_cast<unsigned char>(b[0]));
    }
  }
}

}  // namespace
}  // namespace store
