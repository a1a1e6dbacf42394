#pragma once

#include <utility>
#include <vector>

#include "store/Collation.h"
#include "store/Record.h"
#include "store/SqlitePersistence.h"

namespace store {

// How records are ordered: by one field's value (text by CompareText, a null text as the empty
// text; in an integer field nulls first) or by record key. Records with equal values are ordered
// by record key, so the order is total.
struct Ordering {
  int Position = -1;  // the field; -1 orders by record key
  Collation TextOrder = Collation::Bytes;
  bool TextField = false;  // the field holds text: null and "" are equal

  bool ByRecordKey() const { return Position < 0; }
  // The total order: value, then record key.
  int Compare(const Record& a, const Record& b) const;
  // The order of the value alone against a lookup key of the field's kind (integer or text;
  // a record-key ordering takes an integer), text by store::CompareToKey: the records it finds
  // equal to a key stand together in the total order.
  int CompareToKey(const Record& record, const StoredValue& key) const;
};

// Records sorted by an ordering: the record lists behind indexes and filtered views. A record's
// position is found by binary search, so row <-> record mapping is O(log n).
//
// The list is kept in blocks of a few hundred records with the position of each block's first
// record, so an insert or erase anywhere moves at most one block's records and a few hundred
// block starts, not the whole list.
class SortedRecords {
 public:
  explicit SortedRecords(Ordering ordering) : ordering_(ordering) {}

  const Ordering& Order() const { return ordering_; }
  int Size() const { return size_; }
  // REQUIRES: 0 <= position < Size().
  const Record* At(int position) const;
  // The records in order, as one vector.
  std::vector<const Record*> Items() const;
  // Calls `visit` with every record, in order.
  template <typename Visit>
  void ForEach(const Visit& visit) const {
    for (const Block& block : blocks_) {
      for (const Record* record : block) visit(record);
    }
  }
  // The first record in order for which `test` holds, or nullptr.
  template <typename Test>
  const Record* FirstWhere(const Test& test) const {
    for (const Block& block : blocks_) {
      for (const Record* record : block) {
        if (test(*record)) return record;
      }
    }
    return nullptr;
  }

  // The position of the record, or -1 when it is not in the list.
  int Find(const Record* record) const;
  // The position the record takes when inserted (the number of records ordered before it). A
  // record that sorts after every other (a new autoincrement key) costs one comparison.
  int InsertPosition(const Record* record) const;
  // The first position whose value is equal to or greater than the key.
  int LowerBound(const StoredValue& key) const;
  // The first position whose value is greater than the key.
  int UpperBound(const StoredValue& key) const;

  void Insert(const Record* record);
  // Inserts at a position InsertPosition gave for this record, with no search.
  void InsertAt(int position, const Record* record);
  // REQUIRES: the record is in the list.
  void Erase(const Record* record);
  // Puts `record` in the place of the one at `position`. REQUIRES: the two are equal by the
  // ordering (Ordering::Compare gives 0), so the list stays sorted.
  void ReplaceAt(int position, const Record* record);
  // Replaces the list by these records, sorting them. A text ordering sorts precomputed sort
  // keys (see SortKey1251 and AppendHebrewKey), so a large list sorts without the collation in
  // every comparison.
  void Assign(std::vector<const Record*> records);
  // Replaces the list by records already in this list's order.
  void AssignSorted(const std::vector<const Record*>& records);
  void Clear();

 private:
  using Block = std::vector<const Record*>;
  // The number of records a block gets when the list is assigned, and half the size at which a
  // block is split.
  static constexpr int kBlockSize = 512;

  // The first position whose record is not `before` one; `before` must hold for a prefix of
  // the list and for nothing after it.
  template <typename Before>
  int PartitionPoint(const Before& before) const;
  // The block holding `position` and the offset in it; Size() maps to the end of the last block.
  std::pair<int, int> Locate(int position) const;
  void AddToStarts(int firstBlock, int delta);
  void SortByTextKeys(std::vector<const Record*>& records) const;

  Ordering ordering_;
  std::vector<Block> blocks_;  // never an empty block
  std::vector<int> starts_;    // the position of each block's first record
  int size_ = 0;
};

}  // namespace store
