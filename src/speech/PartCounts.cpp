#include "speech/PartCounts.h"

#include "store/Table.h"

namespace speech {

PartCounts CountParts(store::Table& hewords) {
  PartCounts counts;
  counts.All = hewords.RecordCount();
  hewords.First();
  for (int i = 0; i < counts.All; ++i) {
    const store::Field part = hewords.FieldByName("Part");
    if (!part.IsNull()) {
      const int value = part.AsInteger();
      if (value >= 0 && value < static_cast<int>(counts.ByPart.size())) ++counts.ByPart[value];
    }
    hewords.Next();
  }
  return counts;
}

}  // namespace speech
