// The progress figures of a small log on fixed days, counted by hand, and a streak longer than the
// days counted one by one.

#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>

#include "ProgressLog.h"
#include "review/CardStore.h"
#include "store/SqlitePersistence.h"
#include "store/Table.h"

namespace review {
namespace {

class ProgressTest : public ::testing::Test {
 protected:
  store::SqlitePersistence& Database() { return workspace.Data().SelWordTable().Database(); }

  test::TestWorkspace workspace;
};

TEST_F(ProgressTest, FiguresOfASmallLog) {
  reviewtest::ProgressLog log(workspace.Data());
  const Progress progress = ComputeProgress(Database(), MemoryModel(), reviewtest::kToday);
  const Progress expected = reviewtest::ExpectedProgress();
  EXPECT_EQ(progress.Today, expected.Today);
  EXPECT_EQ(progress.ReviewsPerDay, expected.ReviewsPerDay);
  EXPECT_EQ(progress.DuePerDay, expected.DuePerDay);
  EXPECT_EQ(progress.DueToday(), 2);
  EXPECT_EQ(progress.Weeks, expected.Weeks);
  EXPECT_EQ(progress.Weeks[9].Measured(), 0.0);
  EXPECT_EQ(progress.Weeks[10].Measured(), std::nullopt);
  EXPECT_DOUBLE_EQ(*progress.Weeks[11].Measured(), 2.0 / 3);
  EXPECT_DOUBLE_EQ(progress.DesiredRetention, expected.DesiredRetention);
  EXPECT_EQ(progress.NewCards, expected.NewCards);
  EXPECT_EQ(progress.LearningCards, expected.LearningCards);
  EXPECT_EQ(progress.ReviewCards, expected.ReviewCards);
  EXPECT_EQ(progress.Streak, expected.Streak);
}

TEST_F(ProgressTest, StreakEndsTodayAndReachesBeyondTheDaysCounted) {
  CardStore cards(Database());
  const std::int64_t today = reviewtest::kToday;
  for (std::int64_t day = today - 100; day <= today; ++day) {
    const std::int64_t time = QDate::fromJulianDay(day).startOfDay().toSecsSinceEpoch() + 3600;
    cards.Store({1, 0, 1, 5, day, day + 1, 1, 0}, {1, 0, time, 3, 1, 1, 5});
  }
  EXPECT_EQ(ComputeProgress(Database(), MemoryModel(), today).Streak, 101);
  EXPECT_EQ(ComputeProgress(Database(), MemoryModel(), today + 1).Streak, 101) << "from yesterday";
  EXPECT_EQ(ComputeProgress(Database(), MemoryModel(), today + 2).Streak, 0);
}

}  // namespace
}  // namespace review
