#include "review/Progress.h"

#include <QDate>
#include <QDateTime>
#include <algorithm>
#include <unordered_map>

#include "review/CardStore.h"
#include "store/SqlStatement.h"

namespace review {

namespace {

// The first second of local day `day`.
std::int64_t StartOfDay(std::int64_t day) {
  return QDate::fromJulianDay(day).startOfDay().toSecsSinceEpoch();
}

// Counts the reviews of single days. The first second of each day is worked out once: days are
// asked for in a row, and each needs the start of the next.
class DayCounter {
 public:
  explicit DayCounter(store::SqlitePersistence& database)
      : count_(database, "SELECT count(*) FROM REVIEWLOG WHERE Time >= ?1 AND Time < ?2") {}

  int Reviews(std::int64_t day) {
    count_.Bind(1, Start(day)).Bind(2, Start(day + 1));
    return count_.Step() ? static_cast<int>(count_.Integer(0)) : 0;
  }

 private:
  std::int64_t Start(std::int64_t day) {
    const auto [known, added] = starts_.try_emplace(day, 0);
    if (added) known->second = StartOfDay(day);
    return known->second;
  }

  store::SqlStatement count_;
  std::unordered_map<std::int64_t, std::int64_t> starts_;
};

// A review of a due card: not a first (whose Scheduled is 0), and at least the interval the card's
// previous review gave after it (each log row carries that interval).
constexpr char kDueReviewsOfSpan[] =
    "SELECT count(*), coalesce(sum(Grade <> 1), 0) FROM REVIEWLOG "
    "WHERE Time >= ?1 AND Time < ?2 AND Scheduled >= 1 AND ElapsedDays >= Scheduled";

// Fills in the due reviews of each week.
void CountDueReviews(store::SqlitePersistence& database, std::vector<WeekRetention>& weeks) {
  store::SqlStatement due(database, kDueReviewsOfSpan);
  for (WeekRetention& week : weeks) {
    due.Bind(1, StartOfDay(week.FirstDay)).Bind(2, StartOfDay(week.FirstDay + 7));
    if (due.Step()) {
      week.DueReviews = static_cast<int>(due.Integer(0));
      week.Recalled = static_cast<int>(due.Integer(1));
    }
  }
}

std::vector<int> ForecastOf(store::SqlitePersistence& database, std::int64_t today) {
  std::vector<int> due(kForecastDays, 0);
  store::SqlStatement byDay(database,
                            "SELECT Due, count(*) FROM CARDS WHERE Due < ?1 GROUP BY Due");
  byDay.Bind(1, today + kForecastDays);
  while (byDay.Step()) {
    due[std::max<std::int64_t>(0, byDay.Integer(0) - today)] += static_cast<int>(byDay.Integer(1));
  }
  return due;
}

// Days before the window of counted days are asked for one by one, while the streak lasts.
int StreakOf(const std::vector<int>& perDay, std::int64_t today, DayCounter& counter) {
  std::int64_t day = perDay.back() > 0 ? today : today - 1;
  int streak = 0;
  for (;; --day, ++streak) {
    const std::int64_t back = today - day;
    const int reviews =
        back < kActivityDays ? perDay[kActivityDays - 1 - back] : counter.Reviews(day);
    if (reviews == 0) return streak;
  }
}

}  // namespace

std::optional<double> WeekRetention::Measured() const {
  if (DueReviews == 0) return std::nullopt;
  return static_cast<double>(Recalled) / DueReviews;
}

Progress ComputeProgress(store::SqlitePersistence& database, const MemoryModel& model,
                         std::int64_t today) {
  Progress progress;
  progress.Today = today;
  progress.DesiredRetention = model.Retention();
  progress.ReviewsPerDay.assign(kActivityDays, 0);
  progress.DuePerDay.assign(kForecastDays, 0);
  for (int week = 0; week < kRetentionWeeks; ++week) {
    progress.Weeks.push_back({today - 7 * (kRetentionWeeks - week) + 1});
  }
  store::SqlStatement meanings(database, "SELECT count(*) FROM RUWORDS");
  const std::int64_t cardsPossible = meanings.Step() ? meanings.Integer(0) * kDirections : 0;
  progress.NewCards = cardsPossible;
  if (!CardStore(database).HasTables()) return progress;

  DayCounter counter(database);
  for (int i = 0; i < kActivityDays; ++i) {
    progress.ReviewsPerDay[i] = counter.Reviews(today - (kActivityDays - 1) + i);
  }
  progress.Streak = StreakOf(progress.ReviewsPerDay, today, counter);
  progress.DuePerDay = ForecastOf(database, today);
  CountDueReviews(database, progress.Weeks);

  store::SqlStatement states(database,
                             "SELECT count(*), coalesce(sum(Due - LastReview < ?1), 0) FROM CARDS");
  states.Bind(1, std::int64_t{kMatureInterval});
  if (states.Step()) {
    progress.LearningCards = states.Integer(1);
    progress.ReviewCards = states.Integer(0) - progress.LearningCards;
    progress.NewCards = std::max<std::int64_t>(0, cardsPossible - states.Integer(0));
  }
  return progress;
}

}  // namespace review
