// libFuzzer target for the code-page conversions. Every byte string comes back unchanged from a
// trip through Unicode and through UTF-8 in each code page; any UTF-8 input either converts or is
// refused, and what converts comes back as the same characters.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/Codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const text::Codepage codepage :
       {text::Codepage::Ascii, text::Codepage::Win1251, text::Codepage::Win1255}) {
    if (text::FromUnicode(text::ToUnicode(bytes, codepage), codepage) != bytes) std::abort();
    if (text::FromUtf8(text::ToUtf8(bytes, codepage), codepage) != bytes) std::abort();
    if (const auto converted = text::TryFromUtf8(bytes, codepage)) {
      if (text::ToUtf8(*converted, codepage) != bytes) std::abort();
    }
  }
  return 0;
}
