#include "text/Codepage.h"

#include <QChar>
#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace text {
namespace {

// Marks a byte its code page leaves undefined; it decodes to kPrivateBase + byte.
constexpr char16_t kUndefined = 0;
constexpr char16_t kPrivateBase = 0xF700;

using UpperHalf = std::array<char16_t, 128>;  // bytes 0x80-0xFF

constexpr UpperHalf kWin1251 = {
    // 0x80
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    // 0x90
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    kUndefined, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    // 0xA0
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    // 0xB0
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  //
    // 0xC0-0xFF: А to я
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  //
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  //
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  //
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  //
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  //
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  //
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  //
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  //
};

constexpr UpperHalf kWin1255 = {
    // 0x80
    0x20AC,
    kUndefined,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,  //
    0x02C6,
    0x2030,
    kUndefined,
    0x2039,
    kUndefined,
    kUndefined,
    kUndefined,
    kUndefined,
    // 0x90
    kUndefined,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,  //
    0x02DC,
    0x2122,
    kUndefined,
    0x203A,
    kUndefined,
    kUndefined,
    kUndefined,
    kUndefined,
    // 0xA0
    0x00A0,
    0x00A1,
    0x00A2,
    0x00A3,
    0x20AA,
    0x00A5,
    0x00A6,
    0x00A7,  //
    0x00A8,
    0x00A9,
    0x00D7,
    0x00AB,
    0x00AC,
    0x00AD,
    0x00AE,
    0x00AF,  //
    // 0xB0
    0x00B0,
    0x00B1,
    0x00B2,
    0x00B3,
    0x00B4,
    0x00B5,
    0x00B6,
    0x00B7,  //
    0x00B8,
    0x00B9,
    0x00F7,
    0x00BB,
    0x00BC,
    0x00BD,
    0x00BE,
    0x00BF,  //
    // 0xC0: vowel points and cantillation marks
    0x05B0,
    0x05B1,
    0x05B2,
    0x05B3,
    0x05B4,
    0x05B5,
    0x05B6,
    0x05B7,  //
    0x05B8,
    0x05B9,
    0x05BA,
    0x05BB,
    0x05BC,
    0x05BD,
    0x05BE,
    0x05BF,  //
    // 0xD0
    0x05C0,
    0x05C1,
    0x05C2,
    0x05C3,
    0x05F0,
    0x05F1,
    0x05F2,
    0x05F3,  //
    0x05F4,
    kUndefined,
    kUndefined,
    kUndefined,
    kUndefined,
    kUndefined,
    kUndefined,
    kUndefined,
    // 0xE0-0xFA: א to ת
    0x05D0,
    0x05D1,
    0x05D2,
    0x05D3,
    0x05D4,
    0x05D5,
    0x05D6,
    0x05D7,  //
    0x05D8,
    0x05D9,
    0x05DA,
    0x05DB,
    0x05DC,
    0x05DD,
    0x05DE,
    0x05DF,  //
    0x05E0,
    0x05E1,
    0x05E2,
    0x05E3,
    0x05E4,
    0x05E5,
    0x05E6,
    0x05E7,  //
    0x05E8,
    0x05E9,
    0x05EA,
    kUndefined,
    kUndefined,
    0x200E,
    0x200F,
    kUndefined,
};

constexpr UpperHalf kAsciiUpper = {};  // every byte above 0x7F is undefined

constexpr const UpperHalf& UpperTable(Codepage codepage) {
  switch (codepage) {
    case Codepage::Win1251:
      return kWin1251;
    case Codepage::Win1255:
      return kWin1255;
    case Codepage::Ascii:
      break;
  }
  return kAsciiUpper;
}

constexpr char16_t Decode(unsigned char byte, const UpperHalf& upper) {
  if (byte < 0x80) return byte;
  const char16_t defined = upper[byte - 0x80];
  return defined != kUndefined ? defined : char16_t(kPrivateBase + byte);
}

// The 128 upper-half characters of a code page sorted by character, for binary search.
using ReverseTable = std::array<std::pair<char16_t, unsigned char>, 128>;

constexpr ReverseTable MakeReverse(const UpperHalf& upper) {
  ReverseTable reverse{};
  for (int i = 0; i < 128; ++i) {
    const auto byte = static_cast<unsigned char>(0x80 + i);
    reverse[i] = {Decode(byte, upper), byte};
  }
  std::sort(reverse.begin(), reverse.end());
  return reverse;
}

constexpr ReverseTable kReverse1251 = MakeReverse(kWin1251);
constexpr ReverseTable kReverse1255 = MakeReverse(kWin1255);
constexpr ReverseTable kReverseAscii = MakeReverse(kAsciiUpper);

const ReverseTable& ReverseFor(Codepage codepage) {
  switch (codepage) {
    case Codepage::Win1251:
      return kReverse1251;
    case Codepage::Win1255:
      return kReverse1255;
    case Codepage::Ascii:
      break;
  }
  return kReverseAscii;
}

// Index of the first code unit that cannot be encoded, or text.size() when all can. Encodes into
// `out` as it goes.
qsizetype EncodeInto(QStringView text, Codepage codepage, std::string& out) {
  out.clear();
  out.reserve(static_cast<size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const auto byte = UnicodeToByte(text[i].unicode(), codepage);
    if (!byte) return i;
    out.push_back(static_cast<char>(*byte));
  }
  return text.size();
}

char32_t CharacterAt(QStringView text, qsizetype i) {
  const QChar unit = text[i];
  if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
    return QChar::surrogateToUcs4(unit, text[i + 1]);
  }
  return unit.unicode();
}

std::string DescribeFailure(char32_t character, Codepage codepage) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
  std::string message = "The character ";
  if (character >= 0x20 && !QChar::isSurrogate(character)) {
    message += '"';
    message += QString::fromUcs4(&character, 1).toStdString();
    message += "\" ";
  }
  message += std::string("(") + code + ") cannot be stored in the " + CodepageName(codepage) +
             " code page.";
  return message;
}

}  // namespace

const char* CodepageName(Codepage codepage) {
  switch (codepage) {
    case Codepage::Win1251:
      return "Windows-1251";
    case Codepage::Win1255:
      return "Windows-1255";
    case Codepage::Ascii:
      break;
  }
  return "ASCII";
}

EncodeError::EncodeError(char32_t character, Codepage codepage)
    : std::runtime_error(DescribeFailure(character, codepage)),
      character_(character),
      codepage_(codepage) {}

char16_t ByteToUnicode(unsigned char byte, Codepage codepage) {
  return Decode(byte, UpperTable(codepage));
}

std::optional<unsigned char> UnicodeToByte(char16_t character, Codepage codepage) {
  if (character < 0x80) return static_cast<unsigned char>(character);
  const ReverseTable& reverse = ReverseFor(codepage);
  const auto found =
      std::lower_bound(reverse.begin(), reverse.end(), character,
                       [](const auto& entry, char16_t wanted) { return entry.first < wanted; });
  if (found == reverse.end() || found->first != character) return std::nullopt;
  return found->second;
}

QString ToUnicode(std::string_view bytes, Codepage codepage) {
  const UpperHalf& upper = UpperTable(codepage);
  QString result(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = result.data();
  for (const char byte : bytes) *out++ = QChar(Decode(static_cast<unsigned char>(byte), upper));
  return result;
}

std::string ToUtf8(std::string_view bytes, Codepage codepage) {
  return ToUnicode(bytes, codepage).toStdString();
}

std::optional<std::string> TryFromUnicode(QStringView text, Codepage codepage) {
  std::string bytes;
  if (EncodeInto(text, codepage, bytes) != text.size()) return std::nullopt;
  return bytes;
}

std::optional<std::string> TryFromUtf8(std::string_view utf8, Codepage codepage) {
  return TryFromUnicode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())),
                        codepage);
}

std::string FromUnicode(QStringView text, Codepage codepage) {
  std::string bytes;
  const qsizetype failed = EncodeInto(text, codepage, bytes);
  if (failed != text.size()) throw EncodeError(CharacterAt(text, failed), codepage);
  return bytes;
}

std::string FromUtf8(std::string_view utf8, Codepage codepage) {
  return FromUnicode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())), codepage);
}

}  // namespace text
