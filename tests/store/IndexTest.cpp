#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "store/Index.h"
#include "store/Record.h"

namespace store {
namespace {

// Records of one integer field (position 0) with their record keys, owned by the test.
class Records {
 public:
  const Record* Make(std::int64_t key, std::int64_t value) {
    StoredValue stored;
    stored.IsNull = false;
    stored.IsInteger = true;
    stored.Integer = value;
    owned_.push_back(Record::Create(key, {stored}));
    return owned_.back().get();
  }

 private:
  std::vector<RecordPtr> owned_;
};

// A record of one text field (position 0); null when `text` is nullptr.
RecordPtr TextRecord(std::int64_t key, const char* text) {
  StoredValue stored;
  if (text != nullptr) {
    stored.IsNull = false;
    stored.Text = text;
  }
  return Record::Create(key, {stored});
}

StoredValue Key(std::int64_t value) {
  StoredValue key;
  key.IsNull = false;
  key.IsInteger = true;
  key.Integer = value;
  return key;
}

// A list long enough to span many blocks, changed at random and compared after every step with
// a plain sorted vector: positions, lookups and order stay those of the vector.
TEST(SortedRecords, RandomChangesOverManyBlocksMatchASortedVector) {
  const Ordering ordering{0};
  const auto less = [&](const Record* a, const Record* b) { return ordering.Compare(*a, *b) < 0; };
  Records records;
  SortedRecords list(ordering);
  std::vector<const Record*> reference;
  std::mt19937 random(11);
  std::int64_t nextKey = 1;
  const auto check = [&](int step) {
    ASSERT_EQ(list.Size(), static_cast<int>(reference.size())) << step;
    ASSERT_EQ(list.Items(), reference) << step;
    for (int probe = 0; probe < 20 && !reference.empty(); ++probe) {
      const int position = static_cast<int>(random() % reference.size());
      ASSERT_EQ(list.At(position), reference[position]) << step;
      ASSERT_EQ(list.Find(reference[position]), position) << step;
      const std::int64_t value = static_cast<std::int64_t>(random() % 600);
      const auto lower =
          std::partition_point(reference.begin(), reference.end(),
                               [&](const Record* r) { return r->Integer(0) < value; });
      const auto upper =
          std::partition_point(reference.begin(), reference.end(),
                               [&](const Record* r) { return r->Integer(0) <= value; });
      ASSERT_EQ(list.LowerBound(Key(value)), lower - reference.begin()) << step;
      ASSERT_EQ(list.UpperBound(Key(value)), upper - reference.begin()) << step;
    }
  };
  // Grows by appends (new keys with rising values) and inserts anywhere, then shrinks to empty,
  // with in-place replacements throughout.
  for (int step = 0; step < 12000; ++step) {
    const int op = static_cast<int>(random() % 10);
    const bool growing = step < 7000;
    if (reference.empty() || (growing ? op < 6 : op < 1)) {
      const std::int64_t value = op < 2 ? 1000 + step : static_cast<std::int64_t>(random() % 600);
      const Record* record = records.Make(nextKey++, value);
      const int position = list.InsertPosition(record);
      const auto expected = std::lower_bound(reference.begin(), reference.end(), record, less);
      ASSERT_EQ(position, expected - reference.begin()) << step;
      if (op % 2) {
        list.InsertAt(position, record);
      } else {
        list.Insert(record);
      }
      reference.insert(expected, record);
    } else if (op < 8) {
      const int position = static_cast<int>(random() % reference.size());
      list.Erase(reference[position]);
      reference.erase(reference.begin() + position);
    } else {
      const int position = static_cast<int>(random() % reference.size());
      const Record* old = reference[position];
      const Record* same = records.Make(old->Key(), old->Integer(0));
      list.ReplaceAt(position, same);
      reference[position] = same;
    }
    if (step % 97 == 0) check(step);
    if (::testing::Test::HasFatalFailure()) return;
  }
  check(-1);
}

TEST(SortedRecords, AssignSortsAndClearEmpties) {
  const Ordering ordering{0};
  Records records;
  std::vector<const Record*> unsorted;
  for (int i = 0; i < 1500; ++i) unsorted.push_back(records.Make(i + 1, (i * 7919) % 1500));
  SortedRecords list(ordering);
  list.Assign(unsorted);
  ASSERT_EQ(list.Size(), 1500);
  for (int i = 0; i < 1500; ++i) EXPECT_EQ(list.At(i)->Integer(0), i);
  EXPECT_EQ(list.FirstWhere([](const Record& r) { return r.Integer(0) > 1200; })->Integer(0), 1201);
  EXPECT_EQ(list.FirstWhere([](const Record& r) { return r.Integer(0) > 5000; }), nullptr);
  int visited = 0;
  list.ForEach([&](const Record* r) { EXPECT_EQ(r->Integer(0), visited++); });
  EXPECT_EQ(visited, 1500);
  list.Clear();
  EXPECT_EQ(list.Size(), 0);
  EXPECT_EQ(list.LowerBound(Key(3)), 0);
  EXPECT_EQ(list.Find(unsorted[0]), -1);
}

// A text ordering sorts null and "" as equal (ties by record key), in both case rules, and a
// lookup of "" finds the first of them.
TEST(SortedRecords, TextOrderTakesNullAsEmptyText) {
  const char* const texts[] = {"b", nullptr, "A", "", "a", nullptr, "\xA8", "\xE5"};
  std::vector<RecordPtr> owned;
  std::vector<const Record*> records;
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    owned.push_back(TextRecord(static_cast<std::int64_t>(i + 1), texts[i]));
    records.push_back(owned.back().get());
  }
  const struct {
    Collation collation;
    std::vector<std::int64_t> keys;
  } cases[] = {{Collation::CaseInsensitive, {2, 4, 6, 3, 5, 1, 8, 7}},
               {Collation::Bytes, {2, 4, 6, 3, 5, 1, 7, 8}}};
  for (const auto& c : cases) {
    SortedRecords list(Ordering{0, c.collation, true});
    list.Assign(records);
    std::vector<std::int64_t> keys;
    list.ForEach([&](const Record* r) { keys.push_back(r->Key()); });
    EXPECT_EQ(keys, c.keys) << static_cast<int>(c.collation);
    for (int i = 1; i < list.Size(); ++i) {
      EXPECT_LT(list.Order().Compare(*list.At(i - 1), *list.At(i)), 0) << i;
    }
    StoredValue empty;
    empty.IsNull = false;
    EXPECT_EQ(list.LowerBound(empty), 0);
    EXPECT_EQ(list.UpperBound(empty), 3);
  }
}

}  // namespace
}  // namespace store
