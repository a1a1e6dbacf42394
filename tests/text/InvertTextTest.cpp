#include <gtest/gtest.h>

#include <string>

#include "text/InvertText.h"

namespace text {
namespace {

struct InvertCase {
  std::string text;
  std::string inverted;
};

const InvertCase kCases[] = {
    {"", ""},
    {"\xE0", "\xE0"},
    {"ab", "ba"},
    {"\xE4\xE1\xE0", "\xE0\xE1\xE4"},
    {"\xE0\xC8 \xE1", "\xE1 \xC8\xE0"},
    {std::string("a\0b", 3), std::string("b\0a", 3)},
};

TEST(InvertText, ReversesTheBytes) {
  for (const InvertCase& c : kCases) {
    EXPECT_EQ(InvertText(c.text), c.inverted);
    EXPECT_EQ(InvertText(InvertText(c.text)), c.text);
  }
}

}  // namespace
}  // namespace text
