#pragma once

// How many Hebrew words of each part of speech the dictionary holds.

#include <array>

namespace store {
class Table;
}

namespace speech {

struct PartCounts {
  // ByPart[p]: records whose Part is p, for p from 0 to 5.
  std::array<int, 6> ByPart{};
  // Every record, whatever its Part (null or out of range included).
  int All = 0;
};

// Counts the records of `hewords` (its view under the current filter) by the field Part, from the
// first record on, and leaves the cursor on the last one. A null Part counts only in All. Throws
// store::ConversionError for a Part that holds no whole number.
PartCounts CountParts(store::Table& hewords);

}  // namespace speech
