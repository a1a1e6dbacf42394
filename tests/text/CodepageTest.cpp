#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/Codepage.h"

namespace text {
namespace {

constexpr Codepage kAllCodepages[] = {Codepage::Ascii, Codepage::Win1251, Codepage::Win1255};

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
  return bytes;
}

TEST(Codepage, EveryByteRoundTripsThroughUnicodeAndUtf8) {
  const std::string bytes = AllBytes();
  for (Codepage codepage : kAllCodepages) {
    SCOPED_TRACE(CodepageName(codepage));
    const QString unicode = ToUnicode(bytes, codepage);
    ASSERT_EQ(unicode.size(), 256);
    EXPECT_EQ(FromUnicode(unicode, codepage), bytes);
    EXPECT_EQ(FromUtf8(ToUtf8(bytes, codepage), codepage), bytes);
  }
}

TEST(Codepage, DecodingIsOneToOne) {
  for (Codepage codepage : kAllCodepages) {
    SCOPED_TRACE(CodepageName(codepage));
    std::vector<char16_t> seen;
    for (int b = 0; b < 256; ++b) {
      const char16_t c = ByteToUnicode(static_cast<unsigned char>(b), codepage);
      EXPECT_EQ(std::count(seen.begin(), seen.end(), c), 0) << "byte " << b;
      seen.push_back(c);
    }
  }
}

TEST(Codepage, AsciiPassesThroughInEveryCodepage) {
  for (Codepage codepage : kAllCodepages) {
    for (int b = 0; b < 0x80; ++b) {
      EXPECT_EQ(ByteToUnicode(static_cast<unsigned char>(b), codepage), char16_t(b));
    }
  }
  const std::string plain("Hello, (world) - 'x' <1>\t\r\n", 26);
  EXPECT_EQ(ToUtf8(plain, Codepage::Ascii), plain);
}

struct ByteCase {
  Codepage codepage;
  unsigned char byte;
  char16_t unicode;
};

// Known points of each code page, the undefined bytes among them.
const ByteCase kByteCases[] = {
    {Codepage::Win1251, 0xC0, 0x0410},  // А
    {Codepage::Win1251, 0xC9, 0x0419},  // Й
    {Codepage::Win1251, 0xDF, 0x042F},  // Я
    {Codepage::Win1251, 0xE0, 0x0430},  // а
    {Codepage::Win1251, 0xFF, 0x044F},  // я
    {Codepage::Win1251, 0xA8, 0x0401},  // Ё
    {Codepage::Win1251, 0xB8, 0x0451},  // ё
    {Codepage::Win1251, 0xB9, 0x2116},  // №
    {Codepage::Win1251, 0x88, 0x20AC},  // euro sign
    {Codepage::Win1251, 0x80, 0x0402},  // Ђ
    {Codepage::Win1251, 0x98, 0xF798},  // undefined
    {Codepage::Win1255, 0xE0, 0x05D0},  // alef
    {Codepage::Win1255, 0xE4, 0x05D4},  // he
    {Codepage::Win1255, 0xFA, 0x05EA},  // tav
    {Codepage::Win1255, 0xC0, 0x05B0},  // sheva
    {Codepage::Win1255, 0xC9, 0x05B9},  // holam
    {Codepage::Win1255, 0xCC, 0x05BC},  // dagesh
    {Codepage::Win1255, 0xD2, 0x05C2},  // sin dot
    {Codepage::Win1255, 0xA4, 0x20AA},  // new sheqel sign
    {Codepage::Win1255, 0xAA, 0x00D7},  // multiplication sign
    {Codepage::Win1255, 0xFD, 0x200E},  // left-to-right mark
    {Codepage::Win1255, 0x80, 0x20AC},  // euro sign
    {Codepage::Win1255, 0x81, 0xF781},  // undefined
    {Codepage::Win1255, 0x8A, 0xF78A},  // undefined
    {Codepage::Win1255, 0x9F, 0xF79F},  // undefined
    {Codepage::Win1255, 0xD9, 0xF7D9},  // undefined
    {Codepage::Win1255, 0xDF, 0xF7DF},  // undefined
    {Codepage::Win1255, 0xFB, 0xF7FB},  // undefined
    {Codepage::Win1255, 0xFF, 0xF7FF},  // undefined
    {Codepage::Ascii, 0x80, 0xF780},    // undefined
    {Codepage::Ascii, 0xE0, 0xF7E0},    // undefined
};

TEST(Codepage, KnownBytesDecodeAndEncode) {
  for (const ByteCase& c : kByteCases) {
    SCOPED_TRACE(std::string(CodepageName(c.codepage)) + " byte " + std::to_string(c.byte));
    EXPECT_EQ(ByteToUnicode(c.byte, c.codepage), c.unicode);
    EXPECT_EQ(UnicodeToByte(c.unicode, c.codepage), c.byte);
  }
}

struct RefusedCase {
  Codepage codepage;
  char16_t unicode;
};

// Characters a code page has no byte for: other scripts, and private-use points of defined bytes.
const RefusedCase kRefused[] = {
    {Codepage::Win1251, 0x05D0},  // alef
    {Codepage::Win1251, 0x00E9},  // é
    {Codepage::Win1251, 0xF7C0},  // private point of a defined byte
    {Codepage::Win1251, 0xF797},  // private point of a defined byte
    {Codepage::Win1255, 0x0410},  // А
    {Codepage::Win1255, 0x00A4},  // currency sign (0xA4 is the sheqel here)
    {Codepage::Win1255, 0xF7E0},  // private point of alef's byte
    {Codepage::Ascii, 0x0410},    // А
    {Codepage::Ascii, 0x00E9},    // é
    {Codepage::Ascii, 0xF77F},    // private point below the undefined range
    {Codepage::Ascii, 0xFFFD},    // replacement character
};

TEST(Codepage, CharactersWithoutByteAreRefused) {
  for (const RefusedCase& c : kRefused) {
    SCOPED_TRACE(std::string(CodepageName(c.codepage)) + " U+" + std::to_string(c.unicode));
    EXPECT_FALSE(UnicodeToByte(c.unicode, c.codepage).has_value());
    const QString text = QStringLiteral("ab") + QChar(c.unicode);
    EXPECT_FALSE(TryFromUnicode(text, c.codepage).has_value());
    EXPECT_THROW(FromUnicode(text, c.codepage), EncodeError);
  }
}

TEST(Codepage, EncodeErrorNamesCharacterAndCodepage) {
  try {
    FromUtf8("Слово", Codepage::Win1255);
    FAIL() << "no error";
  } catch (const EncodeError& error) {
    EXPECT_EQ(error.Character(), U'С');
    EXPECT_EQ(error.TargetCodepage(), Codepage::Win1255);
    EXPECT_STREQ(error.what(),
                 "The character \"С\" (U+0421) cannot be stored in the Windows-1255 code page.");
  }
}

TEST(Codepage, CharacterOutsideBasicPlaneIsReportedWhole) {
  const QString text = QString::fromUtf8("a\U0001F600");
  EXPECT_FALSE(TryFromUnicode(text, Codepage::Win1251).has_value());
  try {
    FromUnicode(text, Codepage::Win1251);
    FAIL() << "no error";
  } catch (const EncodeError& error) {
    EXPECT_EQ(error.Character(), U'\U0001F600');
  }
}

TEST(Codepage, LoneSurrogateIsRefusedWithoutCrash) {
  const QString text = QString(QChar(0xD800)) + QChar('a');
  try {
    FromUnicode(text, Codepage::Ascii);
    FAIL() << "no error";
  } catch (const EncodeError& error) {
    EXPECT_EQ(error.Character(), char32_t(0xD800));
    EXPECT_STREQ(error.what(), "The character (U+D800) cannot be stored in the ASCII code page.");
  }
}

TEST(Codepage, WordsConvertBothWays) {
  EXPECT_EQ(ToUtf8("\xD1\xEB\xEE\xE2\xEE", Codepage::Win1251), "Слово");
  EXPECT_EQ(FromUtf8("Слово", Codepage::Win1251), "\xD1\xEB\xEE\xE2\xEE");
  // Hebrew in display order: the bytes and the characters keep the same order.
  EXPECT_EQ(ToUtf8("\xE4\xE1\xE0", Codepage::Win1255), "הבא");
  EXPECT_EQ(TryFromUtf8("הבא", Codepage::Win1255), std::string("\xE4\xE1\xE0"));
  EXPECT_EQ(ToUtf8("Word", Codepage::Ascii), "Word");
}

TEST(Codepage, EmptyTextAndEmbeddedZeroSurvive) {
  for (Codepage codepage : kAllCodepages) {
    EXPECT_TRUE(ToUnicode("", codepage).isEmpty());
    EXPECT_EQ(TryFromUnicode(QString(), codepage), std::string());
    const std::string withZero("a\0b", 3);
    EXPECT_EQ(FromUnicode(ToUnicode(withZero, codepage), codepage), withZero);
  }
}

}  // namespace
}  // namespace text
