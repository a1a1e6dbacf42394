#pragma once

// The grade the typing game gives an entry, from the presses it counted while the answer was
// typed and how many of them were misses.

#include "review/Fsrs.h"

namespace review {

// Good without a miss; Hard while the misses are at most a quarter of the counted presses; Again
// beyond that.
Grade GradeOfEntry(int countedPresses, int misses);

}  // namespace review
