// The grade of a game entry from its counted presses and misses.

#include <gtest/gtest.h>

#include "review/GameGrade.h"

namespace {

using review::Grade;

TEST(GameGradeTest, MissesDecideTheGrade) {
  struct Case {
    int Presses;
    int Misses;
    Grade Expected;
  };
  const Case cases[] = {
      {0, 0, Grade::Good},  {7, 0, Grade::Good},  {8, 2, Grade::Hard},
      {1, 1, Grade::Again}, {9, 3, Grade::Again}, {4, 1, Grade::Hard},
      {5, 5, Grade::Again}, {12, 3, Grade::Hard}, {13, 4, Grade::Again},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(review::GradeOfEntry(c.Presses, c.Misses), c.Expected)
        << c.Presses << " presses, " << c.Misses << " misses";
  }
}

}  // namespace
