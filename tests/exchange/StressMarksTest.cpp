#include <gtest/gtest.h>

#include "exchange/StressMarks.h"

namespace exchange {
namespace {

struct StressCase {
  std::string_view tables;
  std::string_view file;
};

class StressMarksTest : public testing::TestWithParam<StressCase> {};

TEST_P(StressMarksTest, ConvertsEachWayAndBack) {
  const StressCase& c = GetParam();
  EXPECT_EQ(ConvertStressMarks(c.tables, StressDirection::ToFile), c.file);
  EXPECT_EQ(ConvertStressMarks(c.file, StressDirection::ToTables), c.tables);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StressMarksTest,
    testing::Values(StressCase{"", ""}, StressCase{"a<", "a_"}, StressCase{"<", "_"},
                    StressCase{"\xEC\xE0<\xEC\xE0", "\xEC\xE0_\xEC\xE0"},  // Cyrillic hint
                    StressCase{"a<b<c<", "a_b_c_"}, StressCase{"no mark", "no mark"},
                    StressCase{"&>\r\n", "&>\r\n"}));

TEST(StressMarks, LeavesTheOtherMarkAlone) {
  EXPECT_EQ(ConvertStressMarks("a_b", StressDirection::ToFile), "a_b");
  EXPECT_EQ(ConvertStressMarks("a<b", StressDirection::ToTables), "a<b");
}

}  // namespace
}  // namespace exchange
