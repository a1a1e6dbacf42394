#include "store/PartCounts.h"

#include "store/Convert.h"
#include "store/Table.h"

namespace store {

PartCounts CountParts(const Table& hewords) {
  PartCounts counts;
  counts.All = hewords.RecordCount();
  const int position = hewords.FieldPosition("Part");
  const int insertRow = hewords.State() == TableState::Insert ? hewords.CurrentRow() : -1;
  // The display rows are read where they stand: the cursor never moves.
  for (int row = 0; row < hewords.RowCount(); ++row) {
    if (row == insertRow) continue;
    const std::optional<std::string> part = hewords.RowText(row, position);
    if (!part) continue;
    const std::optional<std::int64_t> value = ParseInteger(*part);
    if (!value) throw ConversionError(NotAnIntegerMessage(*part));
    if (*value >= 0 && *value < static_cast<std::int64_t>(counts.ByPart.size())) {
      ++counts.ByPart[static_cast<std::size_t>(*value)];
    }
  }
  return counts;
}

}  // namespace store
