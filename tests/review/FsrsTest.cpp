// The memory model against published figures and against the formulas worked by hand.

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "review/Fsrs.h"

namespace {

using review::Grade;
using review::MemoryState;

constexpr double kTolerance = 1e-4;

// Again at the first review, Good the same day and then after 1, 3, 8 and 21 more days.
TEST(FsrsTest, ReplayOfAPublishedLogReachesItsMemory) {
  const std::vector<review::LoggedReview> log = {{0, Grade::Again}, {0, Grade::Good},
                                                 {1, Grade::Good},  {3, Grade::Good},
                                                 {8, Grade::Good},  {21, Grade::Good}};
  const review::MemoryModel model;
  const std::optional<MemoryState> memory = review::Replay(model, log);
  ASSERT_TRUE(memory);
  EXPECT_NEAR(memory->Stability, 53.62691, kTolerance);
  EXPECT_NEAR(memory->Difficulty, 6.3574867, kTolerance);
  EXPECT_EQ(model.IntervalDays(memory->Stability), 54);
  EXPECT_FALSE(review::Replay(model, {}));
}

TEST(FsrsTest, IntervalsOfStabilityOneFollowTheRetention) {
  const int expected[] = {3116769, 34793, 2508, 387, 90, 27, 9, 3, 1, 1};
  for (int tenths = 1; tenths <= 10; ++tenths) {
    EXPECT_EQ(review::IntervalDays(1.0, tenths / 10.0), expected[tenths - 1]) << tenths;
  }
}

TEST(FsrsTest, FirstReviewTakesTheGradesStabilityAndABoundedDifficulty) {
  struct Case {
    Grade Given;
    MemoryState Expected;
  };
  const Case cases[] = {{Grade::Again, {0.212, 6.4133}},
                        {Grade::Hard, {1.2931, 5.112171}},
                        {Grade::Good, {2.3065, 2.118104}},
                        {Grade::Easy, {8.2956, 1.0}}};
  const review::MemoryModel model;
  for (const Case& c : cases) {
    const MemoryState memory = model.First(c.Given);
    EXPECT_NEAR(memory.Stability, c.Expected.Stability, kTolerance) << int(c.Given);
    EXPECT_NEAR(memory.Difficulty, c.Expected.Difficulty, kTolerance) << int(c.Given);
  }
}

// Each grade after some days and on the same day, the cap on a lapse and the bounds of both
// numbers.
TEST(FsrsTest, LaterReviewsMoveTheMemoryByGradeAndDays) {
  struct Case {
    MemoryState Before;
    int Days;
    Grade Given;
    MemoryState Expected;
  };
  const Case cases[] = {
      {{10, 5}, 5, Grade::Again, {1.302431, 8.341762}},
      {{10, 5}, 5, Grade::Hard, {17.775318, 6.665995}},
      {{10, 5}, 5, Grade::Good, {22.928696, 4.990228}},
      {{10, 5}, 5, Grade::Easy, {34.214155, 3.314461}},
      {{10, 5}, 0, Grade::Again, {3.051249, 8.341762}},
      {{10, 5}, 0, Grade::Hard, {5.249070, 6.665995}},
      {{10, 5}, 0, Grade::Good, {10.0, 4.990228}},  // never shorter after a success
      {{10, 5}, 0, Grade::Easy, {15.534308, 3.314461}},
      {{0.01, 1}, 100, Grade::Again, {0.009517, 7.026990}},  // capped below the stability before
      {{5, 1.05}, 3, Grade::Easy, {31.104257, 1.0}},
      {{36000, 1}, 36000, Grade::Easy, {36500, 1.0}},
  };
  const review::MemoryModel model;
  for (const Case& c : cases) {
    const MemoryState memory = model.Next(c.Before, c.Days, c.Given);
    const std::string label = std::to_string(c.Before.Stability) + " after " +
                              std::to_string(c.Days) + " days, grade " +
                              std::to_string(int(c.Given));
    EXPECT_NEAR(memory.Stability, c.Expected.Stability, 1e-5) << label;
    EXPECT_NEAR(memory.Difficulty, c.Expected.Difficulty, 1e-5) << label;
  }
}

// The model takes only a retention a user may choose; the interval alone takes any chance, and
// its days stay within an int.
TEST(FsrsTest, RetentionOutsideItsRangeAndNegativeDaysAreRefused) {
  struct Case {
    double Retention;
    std::string Named;
  };
  const Case cases[] = {{0.69, "0.69"}, {0.995, "0.995"}, {1.0, "1"}, {0.0, "0"}};
  for (const Case& c : cases) {
    try {
      review::MemoryModel model(c.Retention);
      ADD_FAILURE() << c.Named << " was accepted";
    } catch (const std::invalid_argument& error) {
      EXPECT_NE(std::string(error.what()).find("retention " + c.Named + " "), std::string::npos)
          << error.what();
    }
  }
  EXPECT_EQ(review::MemoryModel(0.70).Retention(), 0.70);
  EXPECT_EQ(review::MemoryModel(0.99).IntervalDays(1.0), review::IntervalDays(1.0, 0.99));
  EXPECT_THROW(review::MemoryModel().Next({1, 5}, -1, Grade::Good), std::invalid_argument);
  EXPECT_THROW(review::IntervalDays(1.0, 0.0), std::invalid_argument);
  EXPECT_EQ(review::IntervalDays(36500, 0.01), std::numeric_limits<int>::max());
}

}  // namespace
