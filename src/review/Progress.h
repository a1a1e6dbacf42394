#pragma once

// The learner's progress in figures, read from the cards and the review log: the reviews of each
// of the last days, the cards due in the coming days, the share of due reviews recalled week by
// week, the cards by state, the streak of days with reviews. One computation serves the progress
// window and the data tool. Days are whole day numbers as in CardStore.h; a review belongs to the
// learner's local date of its time. Widget-free; the counting runs in SQL on the database's own
// connection.

#include <cstdint>
#include <optional>
#include <vector>

#include "review/Fsrs.h"

namespace store {
class SqlitePersistence;
}

namespace review {

inline constexpr int kActivityDays = 90;    // the days of reviews counted, today the last
inline constexpr int kForecastDays = 30;    // the days of the due forecast, today the first
inline constexpr int kRetentionWeeks = 12;  // the weeks of measured retention, the last ends today
// A card whose interval is this many days or more is in review; a shorter one is learning.
inline constexpr int kMatureInterval = 21;
inline constexpr int kDirections = 6;  // cards per meaning: one per game direction

// The reviews of one week of cards that were due: those that came on the card's due day or later
// (whole days since the card's previous review at least the interval that review gave). A card's
// first review is never one of them.
struct WeekRetention {
  std::int64_t FirstDay = 0;
  int DueReviews = 0;
  int Recalled = 0;  // of those, not graded Again

  // Recalled / DueReviews; nothing for a week without due reviews.
  std::optional<double> Measured() const;
  bool operator==(const WeekRetention&) const = default;
};

struct Progress {
  std::int64_t Today = 0;
  std::vector<int> ReviewsPerDay;  // kActivityDays counts; the first is of today - 89
  // kForecastDays counts; the first (today) holds every overdue card.
  std::vector<int> DuePerDay;
  std::vector<WeekRetention> Weeks;  // kRetentionWeeks, the oldest first
  double DesiredRetention = kDefaultRetention;
  // Meanings times kDirections, less the cards there are; cards whose interval (Due -
  // LastReview) is under kMatureInterval; the other cards.
  std::int64_t NewCards = 0;
  std::int64_t LearningCards = 0;
  std::int64_t ReviewCards = 0;
  // Consecutive days with at least one review, ending today, or yesterday while today has none.
  int Streak = 0;

  // The cards due today or before.
  std::int64_t DueToday() const { return DuePerDay.empty() ? 0 : DuePerDay.front(); }
};

// The figures of the dictionary `database` (its meanings are its Russian records) on day `today`,
// with the intervals of `model`. Creates the card tables when they are missing (see CardStore).
// Throws store::Error when the database refuses a query.
Progress ComputeProgress(store::SqlitePersistence& database, const MemoryModel& model,
                         std::int64_t today);

}  // namespace review
