#include "store/FieldCodec.h"

#include <algorithm>

namespace store {

namespace {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

text::Codepage CodepageOf(TextEncoding encoding) {
  return encoding == TextEncoding::Cp1255 ? text::Codepage::Win1255 : text::Codepage::Win1251;
}

std::string BytesToUtf8(std::string_view bytes, TextEncoding encoding) {
  if (IsAscii(bytes)) return std::string(bytes);
  return text::ToUtf8(bytes, CodepageOf(encoding));
}

std::optional<std::string> Utf8ToBytes(std::string_view utf8, TextEncoding encoding) {
  if (IsAscii(utf8)) return std::string(utf8);
  return text::TryFromUtf8(utf8, CodepageOf(encoding));
}

}  // namespace store
