#include <gtest/gtest.h>

#include <string>

#include "store/FieldCodec.h"
#include "text/Codepage.h"

namespace store {
namespace {

// Every byte of each code page, alone and inside text, converts as the text library converts it
// and back again; the output buffer is reused between calls.
TEST(FieldCodec, EveryByteConvertsAsTheCodePageSaysAndBack) {
  std::string utf8 = "left over from before";
  std::string back;
  for (const TextEncoding encoding :
       {TextEncoding::Cp1251, TextEncoding::Cp1255, TextEncoding::Ascii}) {
    for (int byte = 0; byte < 256; ++byte) {
      const std::string bytes = "a" + std::string(1, static_cast<char>(byte)) + "z";
      BytesToUtf8(bytes, encoding, utf8);
      EXPECT_EQ(utf8, text::ToUtf8(bytes, CodepageOf(encoding))) << byte;
      ASSERT_TRUE(Utf8ToBytes(utf8, encoding, back)) << byte;
      EXPECT_EQ(back, bytes) << byte;
    }
  }
  BytesToUtf8("", TextEncoding::Cp1251, utf8);
  EXPECT_EQ(utf8, "");
}

}  // namespace
}  // namespace store
