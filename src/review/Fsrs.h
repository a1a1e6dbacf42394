#pragma once

// The memory model that schedules reviews: FSRS-6. A word's memory is two numbers, its stability
// (the days after which the chance of recalling it has fallen to 90%) and its difficulty (1 to
// 10). Each review moves them by the grade given and the days since the word's previous review;
// the stability and the desired retention give the days until the next review. Plain arithmetic
// in double precision: no clock, no storage.

#include <array>
#include <optional>
#include <span>

namespace review {

// How well a word was recalled at a review.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

struct MemoryState {
  double Stability;   // days, 0.001 to 36500
  double Difficulty;  // 1 to 10
};

// The model's weights w0..w20.
using Parameters = std::array<double, 21>;

inline constexpr Parameters kDefaultParameters{
    0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
    1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

// The retention a user may choose, and the one used when none is chosen.
inline constexpr double kMinRetention = 0.70;
inline constexpr double kMaxRetention = 0.99;
inline constexpr double kDefaultRetention = 0.90;

// The whole days until a word of `stability` has fallen to the chance `retention` of being
// recalled, rounded to the nearest day, at least 1 and at most INT_MAX. Any retention above 0 and
// up to 1 is accepted here (1 gives 1 day); others throw std::invalid_argument. The range a user
// may choose is checked by MemoryModel.
int IntervalDays(double stability, double retention,
                 const Parameters& parameters = kDefaultParameters);

// One review of a word's log: the whole days since the word's previous review (not used for its
// first review) and the grade given.
struct LoggedReview {
  int Days;
  Grade Given;
};

class MemoryModel {
 public:
  // Throws std::invalid_argument naming `retention` unless it lies within kMinRetention and
  // kMaxRetention.
  explicit MemoryModel(double retention = kDefaultRetention,
                       const Parameters& parameters = kDefaultParameters);

  double Retention() const { return retention_; }

  // The memory after a word's first review.
  MemoryState First(Grade grade) const;

  // The memory after a review `days` whole days after the previous one (0: the same day) that
  // left `before`. Throws std::invalid_argument for negative days.
  MemoryState Next(const MemoryState& before, int days, Grade grade) const;

  // The chance, 0 to 1, of recalling a word of `stability` `days` after its last review.
  double Retrievability(double days, double stability) const;

  // The days until the next review of a word of `stability`, at this model's retention.
  int IntervalDays(double stability) const;

 private:
  Parameters w_;
  double retention_;
};

// The memory a word's log leads to, its reviews taken in order; nothing for an empty log. This is
// how a word's memory is rebuilt from its stored reviews.
std::optional<MemoryState> Replay(const MemoryModel& model, std::span<const LoggedReview> log);

}  // namespace review
