#pragma once

#include <vector>

#include "store/Record.h"
#include "store/SqlitePersistence.h"

namespace store {

// How records are ordered: by one field's value (nulls first, text by CompareText) or by record
// key. Records with equal values are ordered by record key, so the order is total.
struct Ordering {
  int Position = -1;  // the field; -1 orders by record key
  bool CaseInsensitive = false;

  bool ByRecordKey() const { return Position < 0; }
  // The total order: value, then record key.
  int Compare(const Record& a, const Record& b) const;
  // The order of the value alone against a lookup key of the field's kind (integer or text;
  // a record-key ordering takes an integer).
  int CompareToKey(const Record& record, const StoredValue& key) const;
};

// Records sorted by an ordering: the record lists behind indexes and filtered views. A record's
// position is found by binary search, so row <-> record mapping is O(log n).
class SortedRecords {
 public:
  explicit SortedRecords(Ordering ordering) : ordering_(ordering) {}

  const Ordering& Order() const { return ordering_; }
  const std::vector<const Record*>& Items() const { return items_; }
  int Size() const { return static_cast<int>(items_.size()); }
  const Record* At(int position) const { return items_[position]; }

  // The position of the record, or -1 when it is not in the list.
  int Find(const Record* record) const;
  // The position the record takes when inserted (the number of records ordered before it).
  int InsertPosition(const Record* record) const;
  // The first position whose value is equal to or greater than the key.
  int LowerBound(const StoredValue& key) const;
  // The first position whose value is greater than the key.
  int UpperBound(const StoredValue& key) const;

  void Insert(const Record* record);
  // REQUIRES: the record is in the list.
  void Erase(const Record* record);
  // Replaces the list by these records, sorting them.
  void Assign(std::vector<const Record*> records);
  // Replaces the list by records already in this list's order.
  void AssignSorted(std::vector<const Record*> records) { items_ = std::move(records); }
  void Clear() { items_.clear(); }

 private:
  Ordering ordering_;
  std::vector<const Record*> items_;
};

}  // namespace store
