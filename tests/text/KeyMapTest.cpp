#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "text/Codepage.h"
#include "text/KeyMap.h"

namespace text {
namespace {

// The keyboard mapping written out in Unicode: the key characters a Latin and a Russian layout
// type, and the letter in Russian, Hebrew and English (0: no letter).
struct Row {
  int position;
  std::u16string keys;
  char16_t russian;
  char16_t hebrew;
  char16_t english;
};

const std::vector<Row> kTable = {
    {1, u"qй", u'Й', 0, u'Q'},       {2, u"wWцЦ", u'Ц', u'\'', u'W'},
    {3, u"eEуУ", u'У', u'ק', u'E'},  {4, u"rRкК", u'К', u'ר', u'R'},
    {5, u"tе", u'Е', u'א', u'T'},    {6, u"yYнН", u'Н', u'ט', u'Y'},
    {7, u"uг", u'Г', u'ו', u'U'},    {8, u"iIшШ", u'Ш', u'ן', u'I'},
    {9, u"oOщЩ", u'Щ', u'ם', u'O'},  {10, u"pз", u'З', u'פ', u'P'},
    {11, u"[{хХ", u'Х', 0, 0},       {12, u"aAфФ", u'Ф', u'ש', u'A'},
    {13, u"sSыЫ", u'Ы', u'ד', u'S'}, {14, u"dв", u'В', u'ג', u'D'},
    {15, u"fа", u'А', u'כ', u'F'},   {16, u"gGпП", u'П', u'ע', u'G'},
    {17, u"hHрР", u'Р', u'י', u'H'}, {18, u"jJоО", u'О', u'ח', u'J'},
    {19, u"kKлЛ", u'Л', u'ל', u'K'}, {20, u"lLдД", u'Д', u'ך', u'L'},
    {21, u";ж", u'Ж', u'ף', 0},      {22, u"'\"эЭ", u'Э', 0, 0},
    {23, u"zZяЯ", u'Я', u'ז', u'Z'}, {24, u"xXчЧ", u'Ч', u'ס', u'X'},
    {25, u"cCсС", u'С', u'ב', u'C'}, {26, u"vм", u'М', u'ה', u'V'},
    {27, u"bи", u'И', u'נ', u'B'},   {28, u"nт", u'Т', u'מ', u'N'},
    {29, u"mMьЬ", u'Ь', u'צ', u'M'}, {30, u",<бБ", u'Б', u'ת', 0},
    {31, u".>юЮ", u'Ю', u'ץ', 0},    {32, u"]}ъЪ", u'Ъ', 0, 0},
    {33, u"-_", u'-', u'-', u'-'},   {35, u" ", u' ', u' ', u' '},
    {36, u"QЙ", 0, u'\u05B9', 0},  // holam
    {37, u"TЕ", 0, u'\u05B5', 0},  // tsere
    {38, u"UГ", 0, u'\u05B3', 0},  // hataf qamats
    {39, u"PЗ", 0, u'\u05B7', 0},  // patah
    {40, u"DВ", 0, u'\u05B2', 0},  // hataf patah
    {41, u"FА", 0, u'\u05B0', 0},  // sheva
    {44, u":Ж", 0, u'\u05B6', 0},  // segol
    {45, u"VМ", 0, u'\u05BC', 0},  // dagesh
    {46, u"BИ", 0, u'\u05B8', 0},  // qamats
    {47, u"NТ", 0, u'\u05C2', 0},  // sin dot
    {50, u"(9", u'(', u'(', u'('},   {51, u")0", u')', u')', u')'},
};

char KeyByte(char16_t key) {
  const auto byte = UnicodeToByte(key, Codepage::Win1251);
  EXPECT_TRUE(byte.has_value()) << "key U+" << std::hex << int(key);
  return static_cast<char>(byte.value_or(0));
}

// The letter as the Unicode character of its language's code page, 0 for no letter.
char16_t Shown(std::optional<char> letter, Language language) {
  if (!letter) return 0;
  return ByteToUnicode(static_cast<unsigned char>(*letter), LetterCodepage(language));
}

TEST(KeyMap, EveryKeyOfTheTableGivesItsLetterInEachLanguage) {
  for (const Row& row : kTable) {
    for (const char16_t key : row.keys) {
      SCOPED_TRACE("position " + std::to_string(row.position) + ", key U+" +
                   std::to_string(int(key)));
      const char byte = KeyByte(key);
      EXPECT_EQ(KeyPosition(byte), row.position);
      EXPECT_EQ(Shown(KeyToLetter(byte, Language::Russian), Language::Russian), row.russian);
      EXPECT_EQ(Shown(KeyToLetter(byte, Language::Hebrew), Language::Hebrew), row.hebrew);
      EXPECT_EQ(Shown(KeyToLetter(byte, Language::English), Language::English), row.english);
    }
  }
}

TEST(KeyMap, LayoutLetterFollowsTheTableByPosition) {
  std::set<int> positions;
  for (const Row& row : kTable) {
    positions.insert(row.position);
    EXPECT_EQ(Shown(LayoutLetter(row.position, Language::Russian), Language::Russian), row.russian);
    EXPECT_EQ(Shown(LayoutLetter(row.position, Language::Hebrew), Language::Hebrew), row.hebrew);
    EXPECT_EQ(Shown(LayoutLetter(row.position, Language::English), Language::English), row.english);
  }
  for (int position = -1; position <= 60; ++position) {
    if (positions.count(position)) continue;
    for (Language language : {Language::Russian, Language::Hebrew, Language::English}) {
      EXPECT_FALSE(LayoutLetter(position, language).has_value()) << position;
    }
  }
}

TEST(KeyMap, CharactersOutsideTheTableHaveNoPosition) {
  std::set<unsigned char> mapped;
  for (const Row& row : kTable) {
    for (const char16_t key : row.keys) mapped.insert(static_cast<unsigned char>(KeyByte(key)));
  }
  for (int b = 0; b < 256; ++b) {
    if (mapped.count(static_cast<unsigned char>(b))) continue;
    EXPECT_FALSE(KeyPosition(static_cast<char>(b)).has_value()) << "byte " << b;
    for (Language language : {Language::Russian, Language::Hebrew, Language::English}) {
      EXPECT_FALSE(KeyToLetter(static_cast<char>(b), language).has_value()) << "byte " << b;
    }
  }
  // Spot checks of the named exceptions, including ё and Ё (0xB8, 0xA8).
  for (char key : std::string("12345678!#$%&*+/=?@\\^`|~\x7F\xA8\xB8\t\r\n")) {
    EXPECT_FALSE(KeyPosition(key).has_value()) << int(key);
  }
}

TEST(KeyMap, EveryLatinAndCyrillicLetterHasAKey) {
  for (char16_t c = u'a'; c <= u'z'; ++c) {
    EXPECT_TRUE(KeyPosition(static_cast<char>(c)).has_value()) << char(c);
    EXPECT_TRUE(KeyPosition(static_cast<char>(c - 32)).has_value()) << char(c - 32);
  }
  for (int b = 0xC0; b <= 0xFF; ++b) {
    EXPECT_TRUE(KeyPosition(static_cast<char>(b)).has_value()) << "byte " << b;
  }
}

TEST(KeyMap, RussianLettersAreAlwaysCapitals) {
  for (int b = 0; b < 256; ++b) {
    const auto letter = KeyToLetter(static_cast<char>(b), Language::Russian);
    if (!letter) continue;
    const auto u = static_cast<unsigned char>(*letter);
    EXPECT_TRUE((u >= 0xC0 && u <= 0xDF) || std::string("-() ").find(*letter) != std::string::npos)
        << "byte " << b << " gives " << int(u);
  }
}

// The cases the mapping's users rely on most.
TEST(KeyMap, NamedExamples) {
  EXPECT_EQ(KeyToLetter('q', Language::Russian), '\xC9');
  EXPECT_EQ(KeyToLetter('\xE9', Language::Russian), '\xC9');  // й
  EXPECT_EQ(KeyToLetter('Q', Language::Hebrew), '\xC9');      // holam
  EXPECT_EQ(KeyToLetter('q', Language::English), 'Q');
  for (Language language : {Language::Russian, Language::Hebrew, Language::English}) {
    EXPECT_EQ(KeyToLetter('9', language), '(');
    EXPECT_EQ(KeyToLetter('0', language), ')');
    EXPECT_EQ(KeyToLetter('_', language), '-');
    EXPECT_FALSE(KeyToLetter('1', language).has_value());
  }
  EXPECT_EQ(KeyToLetter('\xF4', Language::Russian), '\xD4');  // ф
  EXPECT_EQ(KeyToLetter('\xD4', Language::Russian), '\xD4');  // Ф
  EXPECT_FALSE(KeyToLetter('[', Language::Hebrew).has_value());
  EXPECT_FALSE(KeyToLetter('Q', Language::Russian).has_value());
  EXPECT_FALSE(KeyToLetter('Q', Language::English).has_value());
  EXPECT_FALSE(KeyToLetter(';', Language::English).has_value());
  EXPECT_EQ(KeyToLetter('\'', Language::Russian), '\xDD');  // Э
  EXPECT_EQ(KeyToLetter('w', Language::Hebrew), '\'');
}

}  // namespace
}  // namespace text
