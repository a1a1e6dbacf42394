#include "store/FieldCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

namespace store {

namespace {

// The byte of each BMP character in one code page (-1: none), the exact inverse of the code
// page's byte-to-Unicode mapping, so that decoding the database's UTF-8 costs one lookup per
// character.
using ReverseMap = std::array<std::int16_t, 0x10000>;

std::unique_ptr<ReverseMap> MakeReverseMap(text::Codepage codepage) {
  auto map = std::make_unique<ReverseMap>();
  map->fill(-1);
  for (int byte = 0; byte < 256; ++byte) {
    (*map)[text::ByteToUnicode(static_cast<unsigned char>(byte), codepage)] =
        static_cast<std::int16_t>(byte);
  }
  return map;
}

const ReverseMap& ReverseOf(text::Codepage codepage) {
  static const std::unique_ptr<ReverseMap> win1251 = MakeReverseMap(text::Codepage::Win1251);
  static const std::unique_ptr<ReverseMap> win1255 = MakeReverseMap(text::Codepage::Win1255);
  return codepage == text::Codepage::Win1255 ? *win1255 : *win1251;
}

// The UTF-8 sequence of every byte of one code page, so that encoding costs one lookup per byte.
struct ForwardMap {
  std::array<std::array<char, 3>, 256> Sequences;
  std::array<std::uint8_t, 256> Lengths;
};

std::unique_ptr<ForwardMap> MakeForwardMap(text::Codepage codepage) {
  auto map = std::make_unique<ForwardMap>();
  for (int byte = 0; byte < 256; ++byte) {
    const char16_t c = text::ByteToUnicode(static_cast<unsigned char>(byte), codepage);
    std::array<char, 3>& out = map->Sequences[byte];
    if (c < 0x80) {
      out[0] = static_cast<char>(c);
      map->Lengths[byte] = 1;
    } else if (c < 0x800) {
      out[0] = static_cast<char>(0xC0 | (c >> 6));
      out[1] = static_cast<char>(0x80 | (c & 0x3F));
      map->Lengths[byte] = 2;
    } else {
      out[0] = static_cast<char>(0xE0 | (c >> 12));
      out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out[2] = static_cast<char>(0x80 | (c & 0x3F));
      map->Lengths[byte] = 3;
    }
  }
  return map;
}

const ForwardMap& ForwardOf(text::Codepage codepage) {
  static const std::unique_ptr<ForwardMap> win1251 = MakeForwardMap(text::Codepage::Win1251);
  static const std::unique_ptr<ForwardMap> win1255 = MakeForwardMap(text::Codepage::Win1255);
  return codepage == text::Codepage::Win1255 ? *win1255 : *win1251;
}

// Decodes UTF-8 into code page bytes; false for malformed UTF-8 or a character the code page
// lacks (every character outside the BMP included).
bool DecodeUtf8(std::string_view utf8, const ReverseMap& reverse, std::string& bytes) {
  bytes.clear();
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    char32_t character = 0;
    int length = 0;
    if (lead < 0x80) {
      character = lead;
      length = 1;
    } else if ((lead & 0xE0) == 0xC0) {
      character = lead & 0x1F;
      length = 2;
    } else if ((lead & 0xF0) == 0xE0) {
      character = lead & 0x0F;
      length = 3;
    } else {
      return false;
    }
    if (i + length > utf8.size()) return false;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      character = (character << 6) | (next & 0x3F);
    }
    const std::int16_t byte = reverse[character];
    if (byte < 0) return false;
    bytes.push_back(static_cast<char>(byte));
    i += length;
  }
  return true;
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

text::Codepage CodepageOf(TextEncoding encoding) {
  return encoding == TextEncoding::Cp1255 ? text::Codepage::Win1255 : text::Codepage::Win1251;
}

void BytesToUtf8(std::string_view bytes, TextEncoding encoding, std::string& utf8) {
  if (IsAscii(bytes)) {
    utf8.assign(bytes);
    return;
  }
  const ForwardMap& map = ForwardOf(CodepageOf(encoding));
  utf8.clear();
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    utf8.append(map.Sequences[byte].data(), map.Lengths[byte]);
  }
}

bool Utf8ToBytes(std::string_view utf8, TextEncoding encoding, std::string& bytes) {
  if (IsAscii(utf8)) {
    bytes.assign(utf8);
    return true;
  }
  return DecodeUtf8(utf8, ReverseOf(CodepageOf(encoding)), bytes);
}

}  // namespace store
