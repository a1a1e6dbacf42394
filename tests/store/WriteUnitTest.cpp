// Write units: a refused write anywhere in a unit, or its commit, undoes the whole unit in the
// database and in the tables, keeps the pending edit the unit began with, and leaves the writes
// made before the unit alone.

#include <gtest/gtest.h>

#include <optional>

#include "RefusedWrites.h"
#include "StoreTestSupport.h"
#include "store/Error.h"
#include "store/WriteUnit.h"

namespace store::testing {
namespace {

constexpr int kWritesOfTheUnit = 3;

struct UnitCase {
  int refusedWrite;
  bool insideBulk;
};

class WriteUnitTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(WriteUnitTest, RefusedWriteUndoesTheUnitWhole) {
  TwoTables tables;
  TempDatabase& db = tables.db;
  Table& words = tables.words;
  Table& other = tables.other;
  AddWord(words, "kept");
  AddWord(other, "old");
  // The user's typing, posted by the unit.
  other.Edit();
  other.FieldByName("Item").SetAsString("typed");

  // Counted from here: the write of "before" is the first.
  test::RefuseWrite(db.File(), GetParam().refusedWrite + 1);
  std::optional<BulkTransaction> bulk;
  if (GetParam().insideBulk) bulk.emplace(words);
  AddWord(words, "before");
  const auto unit = [&] {
    WriteUnit({&words, &other}).Run([&] {
      AddWord(words, "new");
      other.Post();
      ASSERT_TRUE(words.Locate("Item", "kept"));
      words.Delete();
    });
  };
  const auto stored = [&](const char* sql) { return test::QueryInteger(db.File(), sql); };

  EXPECT_THROW(unit(), Error);
  if (bulk) bulk->Commit();
  EXPECT_EQ(Column(words, "Item"), (std::vector<std::string>{"kept", "before"}));
  EXPECT_EQ(stored("SELECT count(*) FROM WORDS WHERE Item IN ('before', 'kept')"), 2);
  EXPECT_EQ(stored("SELECT count(*) FROM WORDS"), 2);
  EXPECT_EQ(other.State(), TableState::Edit);
  EXPECT_EQ(other.FieldByName("Item").AsString(), "typed");
  EXPECT_EQ(stored("SELECT count(*) FROM OTHER WHERE Item = 'old'"), 1);

  // The program goes on: once the disk takes writes again, the same unit is stored.
  test::RefuseWrite(db.File(), 0);
  other.Edit();
  unit();
  EXPECT_EQ(Column(words, "Item"), (std::vector<std::string>{"before", "new"}));
  EXPECT_EQ(stored("SELECT count(*) FROM OTHER WHERE Item = 'typed'"), 1);
  EXPECT_EQ(stored("SELECT count(*) FROM WORDS"), 2);
}

std::vector<UnitCase> EveryWriteOfTheUnit() {
  std::vector<UnitCase> cases;
  for (const bool insideBulk : {false, true}) {
    for (int n = 1; n <= kWritesOfTheUnit; ++n) cases.push_back({n, insideBulk});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, WriteUnitTest, ::testing::ValuesIn(EveryWriteOfTheUnit()));

}  // namespace
}  // namespace store::testing
