#pragma once

// The data tool's "stats --reviews": the progress figures of the review log as plain text, the
// same figures the progress window shows.

#include <iosfwd>

#include "review/Progress.h"

namespace datatool {

// One figure a line ("due today: 2", "streak: 2 days", the cards by state, the desired retention),
// then three small tables of dated lines (ISO dates): the measured retention of each week (by its
// first day: the share of due reviews recalled and their number, "-" without any), the reviews of
// each day, the cards due on each coming day.
void PrintProgress(const review::Progress& progress, std::ostream& out);

}  // namespace datatool
