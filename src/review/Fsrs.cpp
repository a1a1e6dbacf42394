#include "review/Fsrs.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>

namespace review {
namespace {

constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36500;
constexpr double kMinDifficulty = 1;
constexpr double kMaxDifficulty = 10;

// The exponent of the forgetting curve, and the factor that makes the curve pass through 90% at
// t = S.
double Decay(const Parameters& w) { return -w[20]; }
double Factor(const Parameters& w) { return std::pow(0.9, 1 / Decay(w)) - 1; }

// The days of interval per day of stability at `retention`.
double IntervalScale(const Parameters& w, double retention) {
  return (std::pow(retention, 1 / Decay(w)) - 1) / Factor(w);
}

double GradeNumber(Grade grade) { return static_cast<int>(grade); }

// The difficulty after a first review of `grade`, before it is bounded.
double InitialDifficulty(const Parameters& w, Grade grade) {
  return w[4] - std::exp(w[5] * (GradeNumber(grade) - 1)) + 1;
}

// A number as a message shows it: at most six significant digits.
std::string Text(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

double BoundedDifficulty(double difficulty) {
  return std::clamp(difficulty, kMinDifficulty, kMaxDifficulty);
}

double BoundedStability(double stability) {
  return std::clamp(stability, kMinStability, kMaxStability);
}

// The grade moves the difficulty less the nearer it is to 10; then it is drawn a little back
// towards the difficulty of a first "Easy", taken before it is bounded (below 1 with the default
// weights).
double NextDifficulty(const Parameters& w, double difficulty, Grade grade) {
  const double change = -w[6] * (GradeNumber(grade) - 3);
  const double damped = difficulty + change * (10 - difficulty) / 9;
  return BoundedDifficulty(w[7] * InitialDifficulty(w, Grade::Easy) + (1 - w[7]) * damped);
}

// A second review on the same day: a success never shortens the stability.
double SameDayStability(const Parameters& w, double stability, Grade grade) {
  double increase =
      std::exp(w[17] * (GradeNumber(grade) - 3 + w[18])) * std::pow(stability, -w[19]);
  if (grade >= Grade::Good) increase = std::max(increase, 1.0);
  return stability * increase;
}

// A success after some days: the lower the chance of recall was, the more the stability grows.
// `before` is the memory before this review, its difficulty included.
double RecalledStability(const Parameters& w, const MemoryState& before, double retrievability,
                         Grade grade) {
  const double hardPenalty = grade == Grade::Hard ? w[15] : 1;
  const double easyBonus = grade == Grade::Easy ? w[16] : 1;
  const double increase = std::exp(w[8]) * (11 - before.Difficulty) *
                          std::pow(before.Stability, -w[9]) *
                          (std::exp(w[10] * (1 - retrievability)) - 1) * hardPenalty * easyBonus;
  return before.Stability * (increase + 1);
}

// A lapse after some days: the stability starts anew, and never above what it was.
double ForgottenStability(const Parameters& w, const MemoryState& before, double retrievability) {
  const double stability = w[11] * std::pow(before.Difficulty, -w[12]) *
                           (std::pow(before.Stability + 1, w[13]) - 1) *
                           std::exp(w[14] * (1 - retrievability));
  return std::min(stability, before.Stability / std::exp(w[17] * w[18]));
}

}  // namespace

int IntervalDays(double stability, double retention, const Parameters& parameters) {
  if (!(retention > 0 && retention <= 1)) {
    throw std::invalid_argument("a retention of " + Text(retention) +
                                " is not a chance above 0 and up to 1");
  }
  const double days = stability * IntervalScale(parameters, retention);
  return static_cast<int>(
      std::lround(std::clamp(days, 1.0, double(std::numeric_limits<int>::max()))));
}

MemoryModel::MemoryModel(double retention, const Parameters& parameters)
    : w_(parameters), retention_(retention) {
  if (!(retention >= kMinRetention && retention <= kMaxRetention)) {
    throw std::invalid_argument("the desired retention " + Text(retention) + " is outside " +
                                Text(kMinRetention) + " to " + Text(kMaxRetention));
  }
}

MemoryState MemoryModel::First(Grade grade) const {
  return {w_[static_cast<int>(grade) - 1], BoundedDifficulty(InitialDifficulty(w_, grade))};
}

MemoryState MemoryModel::Next(const MemoryState& before, int days, Grade grade) const {
  if (days < 0) {
    throw std::invalid_argument("a review cannot come " + std::to_string(-days) +
                                " days before the previous one");
  }
  double stability = 0;
  if (days == 0) {
    stability = SameDayStability(w_, before.Stability, grade);
  } else {
    const double retrievability = Retrievability(days, before.Stability);
    stability = grade == Grade::Again ? ForgottenStability(w_, before, retrievability)
                                      : RecalledStability(w_, before, retrievability, grade);
  }
  return {BoundedStability(stability), NextDifficulty(w_, before.Difficulty, grade)};
}

double MemoryModel::Retrievability(double days, double stability) const {
  return std::pow(1 + Factor(w_) * days / stability, Decay(w_));
}

int MemoryModel::IntervalDays(double stability) const {
  return review::IntervalDays(stability, retention_, w_);
}

std::optional<MemoryState> Replay(const MemoryModel& model, std::span<const LoggedReview> log) {
  if (log.empty()) return std::nullopt;
  MemoryState memory = model.First(log.front().Given);
  for (const LoggedReview& review : log.subspan(1)) {
    memory = model.Next(memory, review.Days, review.Given);
  }
  return memory;
}

}  // namespace review
