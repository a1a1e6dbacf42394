#pragma once

// "vocamir-data due": the words of today's lesson, listed or marked.

#include <cstdint>
#include <ostream>

class TDataModul;

namespace datatool {

// Lists the meanings with a card due on `today` and up to `newWords` new ones (their Russian
// words, "due: " or "new: " before each), then a summary line; with `mark`, marks them as the
// program's "Mark Due Words" does and says how many.
void ReportDueWords(TDataModul& data, std::int64_t today, int newWords, bool mark,
                    std::ostream& out);

}  // namespace datatool
