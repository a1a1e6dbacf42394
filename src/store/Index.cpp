#include "store/Index.h"

#include <algorithm>

#include "store/Collation.h"

namespace store {

namespace {

int Sign(std::int64_t a, std::int64_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

int Ordering::Compare(const Record& a, const Record& b) const {
  if (!ByRecordKey()) {
    const bool nullA = a.IsNull(Position);
    const bool nullB = b.IsNull(Position);
    if (nullA != nullB) return nullA ? -1 : 1;
    if (!nullA) {
      const int result = a.IsInteger(Position)
                             ? Sign(a.Integer(Position), b.Integer(Position))
                             : CompareText(a.Text(Position), b.Text(Position), CaseInsensitive);
      if (result != 0) return result;
    }
  }
  return Sign(a.Key(), b.Key());
}

int Ordering::CompareToKey(const Record& record, const StoredValue& key) const {
  if (ByRecordKey()) return Sign(record.Key(), key.Integer);
  const bool isNull = record.IsNull(Position);
  if (isNull || key.IsNull) return isNull == key.IsNull ? 0 : (isNull ? -1 : 1);
  if (record.IsInteger(Position)) return Sign(record.Integer(Position), key.Integer);
  return CompareText(record.Text(Position), key.Text, CaseInsensitive);
}

int SortedRecords::InsertPosition(const Record* record) const {
  const auto it = std::lower_bound(
      items_.begin(), items_.end(), record,
      [this](const Record* a, const Record* b) { return ordering_.Compare(*a, *b) < 0; });
  return static_cast<int>(it - items_.begin());
}

int SortedRecords::Find(const Record* record) const {
  const int position = InsertPosition(record);
  return position < Size() && items_[position] == record ? position : -1;
}

int SortedRecords::LowerBound(const StoredValue& key) const {
  const auto it = std::lower_bound(
      items_.begin(), items_.end(), key,
      [this](const Record* a, const StoredValue& k) { return ordering_.CompareToKey(*a, k) < 0; });
  return static_cast<int>(it - items_.begin());
}

int SortedRecords::UpperBound(const StoredValue& key) const {
  const auto it = std::upper_bound(
      items_.begin(), items_.end(), key,
      [this](const StoredValue& k, const Record* a) { return ordering_.CompareToKey(*a, k) > 0; });
  return static_cast<int>(it - items_.begin());
}

void SortedRecords::Insert(const Record* record) {
  items_.insert(items_.begin() + InsertPosition(record), record);
}

void SortedRecords::Erase(const Record* record) {
  const int position = Find(record);
  if (position >= 0) items_.erase(items_.begin() + position);
}

void SortedRecords::Assign(std::vector<const Record*> records) {
  items_ = std::move(records);
  std::sort(items_.begin(), items_.end(),
            [this](const Record* a, const Record* b) { return ordering_.Compare(*a, *b) < 0; });
}

}  // namespace store
