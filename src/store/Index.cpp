#include "store/Index.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "store/Collation.h"

namespace store {

namespace {

int Sign(std::int64_t a, std::int64_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

int Ordering::Compare(const Record& a, const Record& b) const {
  if (TextField) {
    const int result = CompareText(a.Text(Position), b.Text(Position), TextOrder);
    if (result != 0) return result;
  } else if (!ByRecordKey()) {
    const bool nullA = a.IsNull(Position);
    const bool nullB = b.IsNull(Position);
    if (nullA != nullB) return nullA ? -1 : 1;
    if (!nullA) {
      const int result = a.IsInteger(Position)
                             ? Sign(a.Integer(Position), b.Integer(Position))
                             : CompareText(a.Text(Position), b.Text(Position), TextOrder);
      if (result != 0) return result;
    }
  }
  return Sign(a.Key(), b.Key());
}

int Ordering::CompareToKey(const Record& record, const StoredValue& key) const {
  if (ByRecordKey()) return Sign(record.Key(), key.Integer);
  if (TextField) return store::CompareToKey(record.Text(Position), key.Text, TextOrder);
  const bool isNull = record.IsNull(Position);
  if (isNull || key.IsNull) return isNull == key.IsNull ? 0 : (isNull ? -1 : 1);
  if (record.IsInteger(Position)) return Sign(record.Integer(Position), key.Integer);
  return store::CompareToKey(record.Text(Position), key.Text, TextOrder);
}

template <typename Before>
int SortedRecords::PartitionPoint(const Before& before) const {
  const auto block = std::partition_point(blocks_.begin(), blocks_.end(),
                                          [&](const Block& b) { return before(b.back()); });
  if (block == blocks_.end()) return size_;
  const auto inBlock = std::partition_point(block->begin(), block->end(), before);
  return starts_[block - blocks_.begin()] + static_cast<int>(inBlock - block->begin());
}

std::pair<int, int> SortedRecords::Locate(int position) const {
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
  const int block = static_cast<int>(after - starts_.begin()) - 1;
  return {block, position - starts_[block]};
}

void SortedRecords::AddToStarts(int firstBlock, int delta) {
  for (auto it = starts_.begin() + firstBlock; it != starts_.end(); ++it) *it += delta;
}

const Record* SortedRecords::At(int position) const {
  const auto [block, offset] = Locate(position);
  return blocks_[block][offset];
}

std::vector<const Record*> SortedRecords::Items() const {
  std::vector<const Record*> items;
  items.reserve(size_);
  for (const Block& block : blocks_) items.insert(items.end(), block.begin(), block.end());
  return items;
}

int SortedRecords::InsertPosition(const Record* record) const {
  if (size_ == 0 || ordering_.Compare(*blocks_.back().back(), *record) < 0) return size_;
  return PartitionPoint([&](const Record* r) { return ordering_.Compare(*r, *record) < 0; });
}

int SortedRecords::Find(const Record* record) const {
  if (size_ > 0 && blocks_.back().back() == record) return size_ - 1;
  const int position = InsertPosition(record);
  return position < size_ && At(position) == record ? position : -1;
}

int SortedRecords::LowerBound(const StoredValue& key) const {
  return PartitionPoint([&](const Record* r) { return ordering_.CompareToKey(*r, key) < 0; });
}

int SortedRecords::UpperBound(const StoredValue& key) const {
  return PartitionPoint([&](const Record* r) { return ordering_.CompareToKey(*r, key) <= 0; });
}

void SortedRecords::Insert(const Record* record) { InsertAt(InsertPosition(record), record); }

void SortedRecords::InsertAt(int position, const Record* record) {
  if (blocks_.empty()) {
    blocks_.push_back(Block{record});
    starts_.push_back(0);
    size_ = 1;
    return;
  }
  const auto [index, offset] = Locate(position);
  Block& block = blocks_[index];
  block.insert(block.begin() + offset, record);
  ++size_;
  AddToStarts(index + 1, 1);
  if (block.size() > 2 * kBlockSize) {
    Block tail(block.begin() + kBlockSize, block.end());
    block.resize(kBlockSize);
    block.shrink_to_fit();
    blocks_.insert(blocks_.begin() + index + 1, std::move(tail));
    starts_.insert(starts_.begin() + index + 1, starts_[index] + kBlockSize);
  }
}

void SortedRecords::Erase(const Record* record) {
  const int position = Find(record);
  if (position < 0) return;
  const auto [index, offset] = Locate(position);
  Block& block = blocks_[index];
  block.erase(block.begin() + offset);
  --size_;
  AddToStarts(index + 1, -1);
  if (block.empty()) {
    blocks_.erase(blocks_.begin() + index);
    starts_.erase(starts_.begin() + index);
  }
}

void SortedRecords::ReplaceAt(int position, const Record* record) {
  const auto [block, offset] = Locate(position);
  blocks_[block][offset] = record;
}

void SortedRecords::Assign(std::vector<const Record*> records) {
  if (ordering_.TextField) {
    SortByTextKeys(records);
  } else {
    std::sort(records.begin(), records.end(),
              [this](const Record* a, const Record* b) { return ordering_.Compare(*a, *b) < 0; });
  }
  AssignSorted(records);
}

// Sorts by the records' sort keys compared with memcmp, ties by the texts' own bytes (which differ
// from the keys only under the Hebrew collation), then by record key: the same order as
// Ordering::Compare. A byte-order key is the record's own text; the other keys are made once, all
// in one buffer.
void SortedRecords::SortByTextKeys(std::vector<const Record*>& records) const {
  struct Entry {
    const char* Key;
    std::size_t Length;
    std::string_view Text;  // the record's own text, for ties of Hebrew keys
    const Record* Item;
  };
  const Collation collation = ordering_.TextOrder;
  std::string keys;
  if (collation != Collation::Bytes) {
    std::size_t total = 0;
    for (const Record* record : records) total += record->Text(ordering_.Position).size();
    keys.reserve(total);
  }
  std::vector<Entry> entries;
  entries.reserve(records.size());
  for (const Record* record : records) {
    const std::string_view text = record->Text(ordering_.Position);
    if (collation == Collation::Bytes) {
      entries.push_back({text.data(), text.size(), text, record});
      continue;
    }
    // The buffer holds every key without growing, so the address stays.
    const std::size_t start = keys.size();
    if (collation == Collation::Hebrew) {
      AppendHebrewKey(text, keys);
    } else {
      for (const char byte : text) keys.push_back(static_cast<char>(SortKey1251(byte)));
    }
    entries.push_back({keys.data() + start, keys.size() - start, text, record});
  }
  const auto compareKeys = [](const char* a, std::size_t lengthA, const char* b,
                              std::size_t lengthB) {
    const std::size_t length = std::min(lengthA, lengthB);
    // A null text has no bytes and may have no address either.
    const int common = length == 0 ? 0 : std::memcmp(a, b, length);
    if (common != 0) return common;
    return lengthA == lengthB ? 0 : (lengthA < lengthB ? -1 : 1);
  };
  const bool tiesByText = collation == Collation::Hebrew;
  std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
    int result = compareKeys(a.Key, a.Length, b.Key, b.Length);
    if (result == 0 && tiesByText) {
      result = compareKeys(a.Text.data(), a.Text.size(), b.Text.data(), b.Text.size());
    }
    if (result != 0) return result < 0;
    return a.Item->Key() < b.Item->Key();
  });
  for (std::size_t i = 0; i < entries.size(); ++i) records[i] = entries[i].Item;
}

void SortedRecords::AssignSorted(const std::vector<const Record*>& records) {
  Clear();
  size_ = static_cast<int>(records.size());
  for (int start = 0; start < size_; start += kBlockSize) {
    const int end = std::min(size_, start + kBlockSize);
    blocks_.emplace_back(records.begin() + start, records.begin() + end);
    starts_.push_back(start);
  }
}

void SortedRecords::Clear() {
  blocks_.clear();
  starts_.clear();
  size_ = 0;
}

}  // namespace store
