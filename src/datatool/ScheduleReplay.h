#pragma once

// The data tool's "schedule --replay" command: a review log replayed through the memory model, to
// check how the scheduling treats a history. It needs no dictionary and writes nothing.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "review/Fsrs.h"

namespace datatool {

struct ScheduleOptions {
  std::string ReplayFile;                        // the review log, as named on the command line
  double Retention = review::kDefaultRetention;  // the desired retention of the intervals
};

// Reads "--replay FILE [--retention R]" (any order, each at most once; R from
// review::kMinRetention to review::kMaxRetention). Returns nothing and sets `error` for options
// it does not understand or a missing --replay.
std::optional<ScheduleOptions> ParseScheduleOptions(const std::vector<std::string>& arguments,
                                                    std::string& error);

// Reads the log `in`, one review a line: "ITEM DAYS GRADE" (a word without blanks, the whole days
// since that item's previous review, not used for its first, and a grade 1 to 4), separated by
// blanks. Blank lines and lines starting with '#' are skipped. Every line is checked before any
// is replayed: each bad one is named on `err` as "line N: <what is wrong>" and the result is
// kUsage with nothing on `out`. Otherwise prints "ITEM S D I" after each review (the item's
// stability and difficulty with six decimals, and the interval in days at `retention`, which
// must lie within review::kMinRetention and review::kMaxRetention) and returns kOk.
int ReplaySchedule(std::istream& in, double retention, std::ostream& out, std::ostream& err);

}  // namespace datatool
