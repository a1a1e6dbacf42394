#pragma once

// How many Hebrew words of each part of speech the dictionary holds.

#include <array>

namespace store {

class Table;

struct PartCounts {
  // ByPart[p]: records whose Part is p, for p from 0 to 5.
  std::array<int, 6> ByPart{};
  // Every record, whatever its Part (null or out of range included).
  int All = 0;
};

// Counts the records of `hewords` (its view under the current filter) by the field Part, reading
// the rows where they stand: the cursor does not move and no grid bound to the table hears of the
// count. A record being inserted is not counted; one being edited counts with its edited Part. A
// null Part counts only in All. Throws ConversionError for a Part that holds no whole number,
// Error when the table is closed or has no field Part.
PartCounts CountParts(const Table& hewords);

}  // namespace store
