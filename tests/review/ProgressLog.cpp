#include "ProgressLog.h"

#include <QDate>
#include <QDateTime>
#include <vector>

#include "review/CardStore.h"
#include "store/SqlitePersistence.h"
#include "store/Table.h"

namespace reviewtest {

namespace {

// At the default retention a card's interval is its stability, rounded.
struct Review {
  int Days;  // before kToday
  int Grade;
  int Elapsed;
  double Stability;
};

struct CardLog {
  int Meaning;  // 0 to 2: the meanings added, in order
  int Direction;
  std::vector<Review> Reviews;
};

// Reviews at ten in the morning of their day.
std::int64_t TimeOf(int daysBefore) {
  return QDate::fromJulianDay(kToday - daysBefore).startOfDay().toSecsSinceEpoch() + 10 * 3600;
}

const std::vector<CardLog> kLog = {
    // Due after 5 days, reviewed after 6 (due, Again); after 1 day of 2 (not due); after 11 of
    // 10 (due, Good). Interval 30: in review, due in 28 days.
    {0, 0, {{20, 3, 0, 5}, {14, 1, 6, 2}, {13, 3, 1, 10}, {2, 3, 11, 30}}},
    // A first review only, yesterday: learning, due in 2 days.
    {0, 3, {{1, 3, 0, 3}}},
    // Overdue since 9 days ago: learning, due today.
    {1, 5, {{10, 2, 0, 1}}},
    // Due reviews after 1 day of 1 (Good) and after 3 of 3 (Again): learning, overdue.
    {1, 0, {{6, 3, 0, 1}, {5, 3, 1, 3}, {2, 1, 3, 1}}},
    // Interval 70: in review, due in 30 days, beyond the forecast.
    {2, 1, {{40, 4, 0, 70}}},
};

}  // namespace

ProgressLog::ProgressLog(TDataModul& data) {
  const test::MeaningIds meanings[] = {
      test::AddMeaning(data, {.ru = QStringLiteral("КОТ"), .en = QStringLiteral("CAT")}),
      test::AddMeaning(data, {.ru = QStringLiteral("ДОМ"), .en = QStringLiteral("HOUSE")}),
      test::AddMeaning(data, {.ru = QStringLiteral("ЛЕС"), .en = QStringLiteral("FOREST")})};
  review::CardStore cards(data.SelWordTable().Database());
  for (const CardLog& log : kLog) {
    review::Card card{meanings[log.Meaning].ru, log.Direction};
    for (const Review& review : log.Reviews) {
      // The interval the previous review gave: its stability, at the retention of 0.90.
      const int scheduled = card.Reviews == 0 ? 0 : static_cast<int>(card.Due - card.LastReview);
      card.Stability = review.Stability;
      card.Difficulty = 5;
      card.LastReview = kToday - review.Days;
      card.Due = card.LastReview + static_cast<int>(review.Stability);
      ++card.Reviews;
      cards.Store(card, {card.Meaning, card.Direction, TimeOf(review.Days), review.Grade,
                         review.Elapsed, review.Stability, 5, scheduled});
    }
  }
}

review::Progress ExpectedProgress() {
  review::Progress expected;
  expected.Today = kToday;
  expected.ReviewsPerDay.assign(review::kActivityDays, 0);
  for (const auto& [days, count] :
       {std::pair{40, 1}, {20, 1}, {14, 1}, {13, 1}, {10, 1}, {6, 1}, {5, 1}, {2, 2}, {1, 1}}) {
    expected.ReviewsPerDay[review::kActivityDays - 1 - days] = count;
  }
  expected.DuePerDay.assign(review::kForecastDays, 0);
  expected.DuePerDay[0] = 2;
  expected.DuePerDay[2] = 1;
  expected.DuePerDay[28] = 1;
  for (int week = 0; week < review::kRetentionWeeks; ++week) {
    expected.Weeks.push_back({kToday - 83 + 7 * week});
  }
  expected.Weeks[9].DueReviews = 1;  // days 20 to 14 before: the Again after 6 days
  expected.Weeks[11] = {kToday - 6, 3, 2};
  expected.DesiredRetention = 0.9;
  expected.NewCards = 3 * 6 - 5;
  expected.LearningCards = 3;
  expected.ReviewCards = 2;
  expected.Streak = 2;
  return expected;
}

}  // namespace reviewtest
