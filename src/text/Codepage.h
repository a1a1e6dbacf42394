#pragma once

// Conversion between the program's single-byte texts and Unicode.
//
// Every text value in memory is a std::string of single bytes: Russian in Windows-1251, Hebrew in
// Windows-1255 (in display order), English in ASCII. The screen, the database file and the XML
// tools speak Unicode. The conversions here are lossless in both directions:
//
// - Decoding never fails. A byte that its code page leaves undefined (0x98 in Windows-1251,
//   0x81, 0x8A, 0x8C-0x90, 0x9A, 0x9C-0x9F, 0xD9-0xDF, 0xFB, 0xFC, 0xFF in Windows-1255, and
//   0x80-0xFF in ASCII) becomes the private-use code point U+F700 + byte.
// - Encoding is the exact inverse: Encode(Decode(bytes)) == bytes for every byte string, and
//   Decode(Encode(text)) == text whenever Encode succeeds. A character the code page cannot hold
//   (including a private-use U+F7xx whose byte is defined in that code page, and any character
//   outside the Basic Multilingual Plane) makes the encoding fail.
// - Bytes 0x00-0x7F are ASCII in every code page.

#include <QString>
#include <QStringView>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace text {

// The code page of a text field.
enum class Codepage {
  Ascii,    // English words and hints
  Win1251,  // Russian, and the Cyrillic pronunciation hints of Hebrew words
  Win1255,  // Hebrew words, roots and verb spellings
};

// The name shown to the user: "ASCII", "Windows-1251", "Windows-1255".
const char* CodepageName(Codepage codepage);

// Thrown by FromUnicode/FromUtf8 when the text holds a character the code page cannot store.
class EncodeError : public std::runtime_error {
 public:
  EncodeError(char32_t character, Codepage codepage);
  // The first character that could not be encoded (a lone surrogate is reported as itself).
  char32_t Character() const { return character_; }
  Codepage TargetCodepage() const { return codepage_; }

 private:
  char32_t character_;
  Codepage codepage_;
};

// The Unicode character of one byte. Never fails.
char16_t ByteToUnicode(unsigned char byte, Codepage codepage);
// The byte of one UTF-16 code unit, or nothing when the code page cannot store it.
std::optional<unsigned char> UnicodeToByte(char16_t character, Codepage codepage);

// Decoding: bytes of the code page to Unicode. Never fails.
QString ToUnicode(std::string_view bytes, Codepage codepage);
std::string ToUtf8(std::string_view bytes, Codepage codepage);

// Encoding: Unicode to bytes of the code page; nothing when some character cannot be stored.
std::optional<std::string> TryFromUnicode(QStringView text, Codepage codepage);
std::optional<std::string> TryFromUtf8(std::string_view utf8, Codepage codepage);

// Encoding that throws EncodeError (naming the character and the code page) instead.
std::string FromUnicode(QStringView text, Codepage codepage);
std::string FromUtf8(std::string_view utf8, Codepage codepage);

}  // namespace text
