#include <gtest/gtest.h>
#include <sqlite3.h>

#include "StoreTestSupport.h"
#include "store/Table.h"

namespace store {
namespace {

using testing::AddWord;
using testing::Column;
using testing::TempDatabase;
using testing::WordsDef;
using Strings = std::vector<std::string>;

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override { table.Open(db.Db()); }
  // Adds words with Num = their position.
  void AddWords(const Strings& items) {
    int num = 0;
    for (const std::string& item : items) AddWord(table, item, num++);
  }

  TempDatabase db;
  Table table{WordsDef()};
};

TEST_F(TableTest, EmptyTableHasNoRecordAndReadsNull) {
  EXPECT_TRUE(table.Active());
  EXPECT_EQ(table.State(), TableState::Browse);
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_TRUE(table.Eof());
  EXPECT_TRUE(table.Bof());
  EXPECT_EQ(table.RecordCount(), 0);
  EXPECT_EQ(table.CurrentRow(), -1);
  EXPECT_TRUE(table.FieldByName("Item").IsNull());
  EXPECT_EQ(table.FieldByName("Item").AsString(), "");
  EXPECT_THROW(table.Delete(), Error);
  EXPECT_THROW(table.GetBookmark(), Error);
}

TEST_F(TableTest, PostGivesEachNewRecordTheNextKey) {
  EXPECT_EQ(AddWord(table, "a"), 1);
  EXPECT_EQ(AddWord(table, "b"), 2);
  table.Delete();                     // the record with key 2
  EXPECT_EQ(AddWord(table, "c"), 3);  // keys are never reused
  EXPECT_EQ(table.RecordCount(), 2);
  EXPECT_EQ(Column(table, "Id"), (Strings{"1", "3"}));
}

TEST_F(TableTest, InsertedRecordHasNoKeyUntilPost) {
  table.Insert();
  EXPECT_EQ(table.State(), TableState::Insert);
  EXPECT_TRUE(table.FieldByName("Id").IsNull());
  EXPECT_EQ(table.RecordCount(), 0);
  EXPECT_EQ(table.RowCount(), 1);
  table.FieldByName("Item").SetAsString("x");
  table.Post();
  EXPECT_EQ(table.State(), TableState::Browse);
  EXPECT_EQ(table.FieldByName("Id").AsInteger(), 1);
  EXPECT_EQ(table.FieldByName("Item").AsString(), "x");
}

TEST_F(TableTest, AutoincrementFieldCannotBeWritten) {
  table.Insert();
  EXPECT_THROW(table.FieldByName("Id").SetAsInteger(5), Error);
}

TEST_F(TableTest, WritingNeedsEditOrInsertState) {
  AddWord(table, "a");
  try {
    table.FieldByName("Item").SetAsString("b");
    FAIL();
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "Table WORDS is not in edit or insert mode.");
  }
  EXPECT_EQ(table.FieldByName("Item").AsString(), "a");
}

TEST_F(TableTest, PostInBrowseStateDoesNothing) {
  AddWord(table, "a");
  table.Post();
  EXPECT_EQ(table.State(), TableState::Browse);
  EXPECT_EQ(table.RecordCount(), 1);
}

TEST_F(TableTest, EditInEditStateKeepsTheBuffer) {
  AddWord(table, "a");
  table.Edit();
  table.FieldByName("Item").SetAsString("b");
  table.Edit();
  EXPECT_EQ(table.FieldByName("Item").AsString(), "b");
  EXPECT_TRUE(table.Modified());
}

TEST_F(TableTest, EditOnEmptyTableInserts) {
  table.Edit();
  EXPECT_EQ(table.State(), TableState::Insert);
  table.FieldByName("Item").SetAsString("new");
  table.Post();
  EXPECT_EQ(table.RecordCount(), 1);
}

TEST_F(TableTest, IntegerReadingOfEmptyFieldsFails) {
  table.Insert();
  table.FieldByName("Item").SetAsString("");
  EXPECT_THROW(table.FieldByName("Num").AsInteger(), ConversionError);     // null integer
  EXPECT_THROW(table.FieldByName("Item").AsInteger(), ConversionError);    // empty text
  EXPECT_THROW(table.FieldByName("Select").AsInteger(), ConversionError);  // null text
  try {
    table.FieldByName("Item").AsInteger();
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'' is not a valid integer value");
  }
  table.FieldByName("Item").SetAsString("-12");
  EXPECT_EQ(table.FieldByName("Item").AsInteger(), -12);
  table.FieldByName("Num").SetAsString("42");
  EXPECT_EQ(table.FieldByName("Num").AsInteger(), 42);
  EXPECT_EQ(table.FieldByName("Num").AsString(), "42");
}

TEST_F(TableTest, TextThatIsNoIntegerIsRefusedByAnIntegerField) {
  table.Insert();
  table.FieldByName("Num").SetAsInteger(7);
  EXPECT_THROW(table.FieldByName("Num").SetAsString("7a"), ConversionError);
  EXPECT_EQ(table.FieldByName("Num").AsInteger(), 7);
  table.FieldByName("Num").SetAsString("");
  EXPECT_TRUE(table.FieldByName("Num").IsNull());
}

TEST_F(TableTest, FieldsAreFoundByNameInAnyCaseAndByPosition) {
  AddWord(table, "word", 3);
  EXPECT_EQ(table.FieldByName("ITEM").AsString(), "word");
  EXPECT_EQ(table.FieldByName("id").AsInteger(), 1);
  EXPECT_EQ(table.Fields(1).AsString(), "word");
  EXPECT_EQ(table.Fields(2).AsInteger(), 3);
  EXPECT_EQ(table.FieldByName("item").FieldName(), "Item");
  EXPECT_THROW(table.Fields(5), Error);
  try {
    table.FieldByName("Missing");
    FAIL();
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "Table WORDS: field 'Missing' not found.");
  }
}

TEST_F(TableTest, CursorMovesWithEofAndBof) {
  AddWords({"a", "b", "c"});
  table.First();
  EXPECT_TRUE(table.Bof());
  EXPECT_FALSE(table.Eof());
  table.Next();
  EXPECT_FALSE(table.Bof());
  EXPECT_EQ(table.FieldByName("Item").AsString(), "b");
  table.Next();
  table.Next();
  EXPECT_TRUE(table.Eof());
  EXPECT_EQ(table.FieldByName("Item").AsString(), "c");  // stays on the last record
  table.Prior();
  EXPECT_FALSE(table.Eof());
  EXPECT_EQ(table.FieldByName("Item").AsString(), "b");
  table.Prior();
  table.Prior();
  EXPECT_TRUE(table.Bof());
  EXPECT_EQ(table.FieldByName("Item").AsString(), "a");
  table.Last();
  EXPECT_TRUE(table.Eof());
  EXPECT_FALSE(table.Bof());
  EXPECT_EQ(table.CurrentRow(), 2);
}

TEST_F(TableTest, PendingEditIsPostedWhenChangedAndDroppedOtherwise) {
  AddWords({"a", "b"});
  table.First();
  table.Edit();
  table.FieldByName("Item").SetAsString("changed");
  table.Next();  // stores the pending edit
  EXPECT_EQ(table.State(), TableState::Browse);
  EXPECT_EQ(Column(table, "Item"), (Strings{"changed", "b"}));

  table.First();
  table.Edit();
  table.Last();  // nothing written: editing dropped
  EXPECT_EQ(table.State(), TableState::Browse);

  table.Insert();
  table.First();  // untouched inserted record vanishes
  EXPECT_EQ(table.RecordCount(), 2);
  EXPECT_EQ(table.State(), TableState::Browse);
}

TEST_F(TableTest, WritingTheSameValueStillCountsAsAChange) {
  AddWords({"a"});
  table.Insert();
  table.FieldByName("Item").Clear();  // written, though null as before
  table.First();
  EXPECT_EQ(table.RecordCount(), 2);
}

TEST_F(TableTest, CancelReturnsToTheRecordBeforeInsert) {
  AddWords({"a", "b", "c"});
  table.First();
  table.Next();
  table.Insert();
  EXPECT_EQ(table.CurrentRow(), 1);
  EXPECT_EQ(table.RowCount(), 4);
  table.FieldByName("Item").SetAsString("x");
  table.Cancel();
  EXPECT_EQ(table.RowCount(), 3);
  EXPECT_EQ(table.FieldByName("Item").AsString(), "b");

  table.Edit();
  table.FieldByName("Item").SetAsString("x");
  table.Cancel();
  EXPECT_EQ(table.FieldByName("Item").AsString(), "b");
}

TEST_F(TableTest, DeleteMovesToTheFollowingRecord) {
  AddWords({"a", "b", "c"});
  table.First();
  table.Next();
  table.Delete();
  EXPECT_EQ(table.FieldByName("Item").AsString(), "c");
  table.Delete();  // the last one: goes to the new last
  EXPECT_EQ(table.FieldByName("Item").AsString(), "a");
  table.Delete();
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_TRUE(table.Eof());
  EXPECT_TRUE(table.Bof());
}

TEST_F(TableTest, DeleteInInsertStateCancels) {
  AddWords({"a"});
  table.Insert();
  table.Delete();
  EXPECT_EQ(table.RecordCount(), 1);
  EXPECT_EQ(table.State(), TableState::Browse);
}

TEST_F(TableTest, IndexOrdersTheViewAndKeepsTheCurrentRecord) {
  AddWords({"pear", "Apple", "banana"});
  table.Locate("Item", "pear");
  table.SetIndexName("ITEM_INDEX");
  EXPECT_EQ(table.IndexName(), "item_index");
  EXPECT_EQ(table.IndexFieldNames(), "Item");
  EXPECT_EQ(table.FieldByName("Item").AsString(), "pear");
  EXPECT_EQ(table.CurrentRow(), 2);
  EXPECT_EQ(Column(table, "Item"), (Strings{"Apple", "banana", "pear"}));
  table.SetIndexName("item_exact");
  EXPECT_EQ(Column(table, "Item"), (Strings{"Apple", "banana", "pear"}));
  table.SetIndexName("");
  EXPECT_EQ(Column(table, "Item"), (Strings{"pear", "Apple", "banana"}));
  EXPECT_THROW(table.SetIndexName("nope"), Error);
}

// The cursor's row is remembered between operations; whatever moved the record since, every
// step starts from where the record now stands.
TEST_F(TableTest, CursorStepsFromWhereItsRecordNowStands) {
  AddWords({"c", "a", "b"});
  table.Last();  // "b", row 2 in record-key order
  table.SetIndexName("item_index");
  EXPECT_EQ(table.CurrentRow(), 1);
  table.Next();
  EXPECT_EQ(table.FieldByName("Item").AsString(), "c");
  AddWord(table, "0");  // sorts first: every row moves down
  table.Locate("Item", "b");
  table.SetIndexName("");
  EXPECT_EQ(table.CurrentRow(), 2);
  table.Prior();
  EXPECT_EQ(table.FieldByName("Item").AsString(), "a");
  table.SetIndexName("item_index");
  table.Insert();  // a record inserted before the cursor's row...
  table.FieldByName("Item").SetAsString("00");
  table.Post();
  table.Next();  // ...moves the rows after it
  EXPECT_EQ(table.FieldByName("Item").AsString(), "a");
  EXPECT_EQ(table.CurrentRow(), 2);
  table.Delete();
  EXPECT_EQ(table.FieldByName("Item").AsString(), "b");
  EXPECT_EQ(table.CurrentRow(), 2);
}

// An index built ahead of its use changes nothing a grid sees, and it is kept up to date from
// then on like one built by its first use.
TEST_F(TableTest, IndexBuiltAheadChangesNothingUntilItIsUsed) {
  struct Counter : TableListener {
    int calls = 0;
    void AboutToReset() override { ++calls; }
    void CurrentChanged() override { ++calls; }
    void RowChanged(int) override { ++calls; }
  } listener;
  AddWords({"pear", "Apple", "banana"});
  table.Locate("Item", "banana");
  table.AddListener(&listener);
  table.BuildIndex("ITEM_INDEX");
  table.BuildIndex("item_exact");
  EXPECT_EQ(listener.calls, 0);
  EXPECT_EQ(table.IndexName(), "");
  EXPECT_EQ(table.CurrentRow(), 2);
  EXPECT_EQ(Column(table, "Item"), (Strings{"pear", "Apple", "banana"}));
  table.RemoveListener(&listener);
  AddWord(table, "cherry");
  table.SetIndexName("item_index");
  EXPECT_EQ(Column(table, "Item"), (Strings{"Apple", "banana", "cherry", "pear"}));
  EXPECT_THROW(table.BuildIndex("nope"), Error);
  table.Close();
  EXPECT_NO_THROW(table.BuildIndex("item_index"));
}

// Indexes let go for a run of inserts are sorted again, new records included, when next used;
// the active one is kept.
TEST_F(TableTest, IndexesLetGoAreSortedAgainWhenNextUsed) {
  AddWords({"pear", "Apple"});
  table.SetIndexName("item_exact");
  table.SetIndexName("item_index");
  table.ReleaseIdleIndexes();
  EXPECT_EQ(table.IndexName(), "item_index");
  AddWord(table, "banana");
  EXPECT_EQ(Column(table, "Item"), (Strings{"Apple", "banana", "pear"}));
  table.SetIndexName("");
  table.ReleaseIdleIndexes();
  AddWord(table, "Cherry");
  EXPECT_EQ(Column(table, "Item"), (Strings{"pear", "Apple", "banana", "Cherry"}));
  table.SetIndexName("item_exact");
  EXPECT_EQ(Column(table, "Item"), (Strings{"Apple", "Cherry", "banana", "pear"}));
  table.SetIndexName("item_index");
  EXPECT_TRUE(table.FindKey("cherry"));
  EXPECT_EQ(Column(table, "Item"), (Strings{"Apple", "banana", "Cherry", "pear"}));
}

TEST_F(TableTest, IndexByFieldNameClearsTheIndexName) {
  AddWords({"b", "a"});
  table.SetIndexName("item_index");
  table.SetIndexFieldNames("num");
  EXPECT_EQ(table.IndexName(), "");
  EXPECT_EQ(table.IndexFieldNames(), "Num");
  EXPECT_EQ(Column(table, "Item"), (Strings{"b", "a"}));
  table.SetIndexFieldNames("Select");  // no named index: an ordering is made for it
  EXPECT_EQ(table.IndexFieldNames(), "Select");
  EXPECT_THROW(table.SetIndexFieldNames("Nope"), Error);
}

TEST_F(TableTest, ChangingTheIndexStoresAPendingEdit) {
  AddWords({"b"});
  table.Edit();
  table.FieldByName("Item").SetAsString("z");
  table.SetIndexName("item_index");
  EXPECT_EQ(table.State(), TableState::Browse);
  EXPECT_EQ(table.FieldByName("Item").AsString(), "z");
}

TEST_F(TableTest, NearestLookupOfALowerCasePrefixIgnoresCase) {
  // КОРОВА, КОТ, ЛИСА, ёж (Cyrillic in Windows-1251).
  AddWords({"\xCB\xC8\xD1\xC0", "\xCA\xCE\xD2", "\xCA\xCE\xD0\xCE\xC2\xC0", "\xB8\xE6"});
  table.SetIndexName("item_index");
  table.FindNearest("\xEA\xEE\xf2");  // кот
  EXPECT_EQ(table.FieldByName("Item").AsString(), "\xCA\xCE\xD2");
  table.FindNearest("\xEA\xEE");  // ко
  EXPECT_EQ(table.FieldByName("Item").AsString(), "\xCA\xCE\xD0\xCE\xC2\xC0");
  EXPECT_FALSE(table.Eof());
  table.FindNearest("\xA8");  // Ё finds ёж
  EXPECT_EQ(table.FieldByName("Item").AsString(), "\xB8\xE6");
  table.FindNearest("\xFF");  // я: beyond every key
  EXPECT_TRUE(table.Eof());
  EXPECT_EQ(table.FieldByName("Item").AsString(), "\xCB\xC8\xD1\xC0");
}

TEST_F(TableTest, ExactLookupFindsOrLeavesTheCursor) {
  AddWords({"one", "Two", "three"});
  table.SetIndexName("item_index");
  EXPECT_TRUE(table.FindKey("TWO"));
  EXPECT_EQ(table.FieldByName("Item").AsString(), "Two");
  EXPECT_FALSE(table.FindKey("tw"));
  EXPECT_EQ(table.FieldByName("Item").AsString(), "Two");
  table.SetIndexName("item_exact");
  EXPECT_FALSE(table.FindKey("TWO"));
  table.SetIndexName("num_index");
  EXPECT_TRUE(table.FindKey(2));
  EXPECT_EQ(table.FieldByName("Item").AsString(), "three");
  EXPECT_TRUE(table.FindKey("0"));
  EXPECT_THROW(table.FindKey("zero"), ConversionError);
  table.SetIndexName("id_index");
  EXPECT_TRUE(table.FindKey(2));
  EXPECT_EQ(table.FieldByName("Item").AsString(), "Two");
}

TEST_F(TableTest, LocateFindsTheFirstRecordInViewOrder) {
  AddWords({"b", "a", "b"});
  table.SetIndexName("item_index");
  table.Last();
  EXPECT_TRUE(table.Locate("Item", "b"));
  EXPECT_EQ(table.CurrentRow(), 1);
  EXPECT_TRUE(table.Locate("ID", 2));
  EXPECT_EQ(table.FieldByName("Item").AsString(), "a");
  EXPECT_FALSE(table.Locate("Id", 9));
  EXPECT_EQ(table.FieldByName("Item").AsString(), "a");
  EXPECT_FALSE(table.Locate("Item", "B"));  // exact bytes
  EXPECT_TRUE(table.Locate("Select", ""));  // a field without index
  EXPECT_THROW(table.Locate("Nope", "x"), Error);
  EXPECT_THROW(table.Locate("Num", "x"), ConversionError);
}

TEST_F(TableTest, FilterLimitsTheViewAndMovesToTheFirstRecord) {
  AddWord(table, "a", 0, "*");
  AddWord(table, "b", 1, "");
  AddWord(table, "c", 2, "*");
  table.Insert();  // Select stays null
  table.FieldByName("Item").SetAsString("d");
  table.Post();
  table.SetFilter("Select = '*'");
  EXPECT_EQ(table.RecordCount(), 4);  // set but not switched on
  table.SetFiltered(true);
  EXPECT_EQ(table.RecordCount(), 2);
  EXPECT_EQ(Column(table, "Item"), (Strings{"a", "c"}));
  table.Last();
  table.SetFiltered(true);  // already on: still goes to the first record
  EXPECT_EQ(table.FieldByName("Item").AsString(), "a");
  EXPECT_TRUE(table.Bof());
  table.SetFilter("Select <> '*'");  // null "d" passes no comparison
  EXPECT_EQ(Column(table, "Item"), (Strings{"b"}));
  EXPECT_THROW(table.SetFilter("Select = "), Error);
  EXPECT_EQ(table.Filter(), "Select <> '*'");
  table.SetFiltered(false);
  EXPECT_EQ(table.RecordCount(), 4);
}

TEST_F(TableTest, SwitchingTheFilterStoresAPendingEdit) {
  AddWord(table, "a", 0, "*");
  AddWord(table, "b", 1, "*");
  table.SetFilter("Select = '*'");
  table.Edit();
  table.FieldByName("Select").SetAsString("");
  table.SetFiltered(true);
  EXPECT_EQ(Column(table, "Item"), (Strings{"a"}));
}

TEST_F(TableTest, PostedRecordThatLeavesTheFilterGivesWayToTheNext) {
  for (const char* item : {"a", "b", "c"}) AddWord(table, item, 0, "*");
  table.SetFilter("Select = '*'");
  table.SetFiltered(true);
  // Clearing every mark in a loop: each post moves the cursor on by itself.
  int cleared = 0;
  while (!table.IsEmpty()) {
    table.Edit();
    table.FieldByName("Select").SetAsString("");
    table.Post();
    ++cleared;
  }
  EXPECT_EQ(cleared, 3);
  table.SetFiltered(false);
  EXPECT_EQ(Column(table, "Select"), (Strings{"", "", ""}));
}

TEST_F(TableTest, InsertedRecordThatFailsTheFilterIsStoredButNotShown) {
  AddWord(table, "a", 0, "*");
  table.SetFilter("Select = '*'");
  table.SetFiltered(true);
  AddWord(table, "b", 0, "");
  EXPECT_EQ(table.RecordCount(), 1);
  EXPECT_EQ(table.FieldByName("Item").AsString(), "a");
  table.SetFiltered(false);
  EXPECT_EQ(table.RecordCount(), 2);
}

TEST_F(TableTest, PostKeepsTheIndexOrdered) {
  AddWords({"b", "d", "f"});
  table.SetIndexName("item_index");
  table.First();
  table.Edit();
  table.FieldByName("Item").SetAsString("e");
  table.Post();
  EXPECT_EQ(table.CurrentRow(), 1);
  EXPECT_EQ(table.FieldByName("Item").AsString(), "e");
  AddWord(table, "a");
  EXPECT_EQ(table.CurrentRow(), 0);
  EXPECT_EQ(Column(table, "Item"), (Strings{"a", "d", "e", "f"}));
  EXPECT_TRUE(table.FindKey("E"));
}

// Posts that keep a record's place under some indexes and move it under others, with every index
// built: each index stays ordered and finds the posted values.
TEST_F(TableTest, PostKeepsEveryBuiltIndexOrdered) {
  AddWords({"b", "d", "f", "a"});  // Num 0..3
  const Strings names = {"item_index", "item_exact", "num_index", "id_index"};
  for (const std::string& name : names) table.SetIndexName(name);
  const auto orders = [&] {
    std::vector<Strings> columns;
    for (const std::string& name : names) {
      table.SetIndexName(name);
      columns.push_back(Column(table, "Id"));
    }
    return columns;
  };
  struct Case {
    std::string activeIndex;
    std::string field;
    std::string value;
    std::vector<Strings> expected;  // record keys under item_index, item_exact, num_index, id
  };
  const Case cases[] = {
      // A field no index covers: every place stays.
      {"item_index",
       "Select",
       "*",
       {{"4", "1", "2", "3"}, {"4", "1", "2", "3"}, {"1", "2", "3", "4"}, {"1", "2", "3", "4"}}},
      // Only case changes: the case-insensitive index keeps the place, the exact one moves it.
      {"num_index",
       "Item",
       "B",
       {{"4", "1", "2", "3"}, {"1", "4", "2", "3"}, {"1", "2", "3", "4"}, {"1", "2", "3", "4"}}},
      // The value of the active index changes; the item indexes keep their places.
      {"item_exact",
       "Num",
       "9",
       {{"4", "1", "2", "3"}, {"1", "4", "2", "3"}, {"2", "3", "4", "1"}, {"1", "2", "3", "4"}}},
      // Moves under both item indexes, not under the others.
      {"id_index",
       "Item",
       "e",
       {{"4", "2", "1", "3"}, {"4", "2", "1", "3"}, {"2", "3", "4", "1"}, {"1", "2", "3", "4"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field + " = " + c.value + " under " + c.activeIndex);
    table.SetIndexName(c.activeIndex);
    ASSERT_TRUE(table.Locate("Id", 1));
    table.Edit();
    table.FieldByName(c.field).SetAsString(c.value);
    table.Post();
    EXPECT_EQ(table.FieldByName("Id").AsInteger(), 1);
    EXPECT_EQ(table.FieldByName(c.field).AsString(), c.value);
    EXPECT_EQ(orders(), c.expected);
  }
  table.SetIndexName("item_index");
  EXPECT_TRUE(table.FindKey("E"));
  EXPECT_EQ(table.FieldByName("Id").AsInteger(), 1);
  table.SetIndexName("num_index");
  EXPECT_TRUE(table.FindKey(9));
  EXPECT_EQ(table.FieldByName("Id").AsInteger(), 1);
}

// Under a filter, a post that keeps the record's value keeps its row, and one that moves it
// within the filtered view takes its new row.
TEST_F(TableTest, PostUnderAFilterKeepsOrMovesTheRow) {
  AddWord(table, "a", 0, "*");
  AddWord(table, "b", 0, "");
  AddWord(table, "c", 0, "*");
  AddWord(table, "d", 0, "*");
  table.SetIndexName("item_index");
  table.SetFilter("Select = '*'");
  table.SetFiltered(true);
  ASSERT_TRUE(table.FindKey("c"));
  table.Edit();
  table.FieldByName("Num").SetAsInteger(5);
  table.Post();
  EXPECT_EQ(table.CurrentRow(), 1);
  EXPECT_EQ(Column(table, "Item"), (Strings{"a", "c", "d"}));
  ASSERT_TRUE(table.FindKey("a"));
  table.Edit();
  table.FieldByName("Item").SetAsString("e");
  table.Post();
  EXPECT_EQ(table.CurrentRow(), 2);
  EXPECT_EQ(Column(table, "Item"), (Strings{"c", "d", "e"}));
  table.SetFiltered(false);
  EXPECT_EQ(Column(table, "Item"), (Strings{"b", "c", "d", "e"}));
}

// New records that sort last (the usual case of a new key) and ones that sort first or between.
TEST_F(TableTest, InsertedRecordsTakeTheirPlaceUnderEveryIndex) {
  table.SetIndexName("item_index");
  for (const char* item : {"m", "z", "a", "n", "zz", "b"}) AddWord(table, item);
  EXPECT_EQ(Column(table, "Item"), (Strings{"a", "b", "m", "n", "z", "zz"}));
  table.SetIndexName("id_index");
  EXPECT_EQ(Column(table, "Item"), (Strings{"m", "z", "a", "n", "zz", "b"}));
  AddWord(table, "c");
  EXPECT_EQ(table.CurrentRow(), 6);
  table.SetIndexName("item_index");
  EXPECT_EQ(Column(table, "Item"), (Strings{"a", "b", "c", "m", "n", "z", "zz"}));
}

TEST_F(TableTest, BookmarksSurviveIndexChangesButNotDeletion) {
  AddWords({"c", "a", "b"});
  table.First();
  const Bookmark first = table.GetBookmark();
  table.Next();
  const Bookmark second = table.GetBookmark();
  table.SetIndexName("item_index");
  table.First();
  table.GotoBookmark(first);
  EXPECT_EQ(table.FieldByName("Item").AsString(), "c");
  table.GotoBookmark(second);
  table.Delete();
  EXPECT_FALSE(table.BookmarkValid(second));
  EXPECT_TRUE(table.BookmarkValid(first));
  try {
    table.GotoBookmark(second);
    FAIL();
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "Record not found.");
  }
}

TEST_F(TableTest, BookmarksOfSelectedRowsLeadBackToTheirRecords) {
  AddWords({"c", "a", "b"});
  table.SetIndexName("item_index");
  ASSERT_EQ(table.FieldByName("Item").AsString(), "b");
  const Bookmark rowZero = table.BookmarkAtRow(0);  // "a"
  EXPECT_EQ(table.CurrentRow(), 1);                 // the cursor did not move
  table.GotoBookmark(rowZero);
  EXPECT_EQ(table.FieldByName("Item").AsString(), "a");
  EXPECT_THROW(table.BookmarkAtRow(3), Error);
  table.Insert();
  EXPECT_THROW(table.BookmarkAtRow(table.CurrentRow()), Error);
}

TEST_F(TableTest, PostThatTheDatabaseRefusesKeepsTheEdit) {
  AddWords({"a"});
  sqlite3* other = nullptr;
  sqlite3_open(db.File().c_str(), &other);
  ASSERT_EQ(sqlite3_exec(other, "DROP TABLE WORDS", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(other);
  table.Insert();
  table.FieldByName("Item").SetAsString("b");
  EXPECT_THROW(table.Post(), Error);
  EXPECT_EQ(table.State(), TableState::Insert);
  EXPECT_EQ(table.FieldByName("Item").AsString(), "b");
  EXPECT_EQ(table.RecordCount(), 1);
  table.Cancel();
  table.Edit();
  table.FieldByName("Item").SetAsString("c");
  EXPECT_THROW(table.Post(), Error);
  EXPECT_EQ(table.State(), TableState::Edit);
  EXPECT_THROW(table.Delete(), Error);
  EXPECT_EQ(table.RecordCount(), 1);
  table.Cancel();
}

TEST_F(TableTest, RefreshKeepsTheCurrentRecord) {
  AddWords({"a", "b"});
  table.First();
  table.Next();
  table.Refresh();
  EXPECT_EQ(table.FieldByName("Item").AsString(), "b");
}

TEST_F(TableTest, MoveToRowStoresThePendingEditFirst) {
  AddWords({"a", "c"});
  table.SetIndexName("item_index");
  table.First();
  table.Insert();
  table.FieldByName("Item").SetAsString("b");
  table.MoveToRow(2);  // the row of "c" while "b" is being inserted at row 0
  EXPECT_EQ(table.FieldByName("Item").AsString(), "c");
  EXPECT_EQ(table.CurrentRow(), 2);
  EXPECT_EQ(table.RecordCount(), 3);
  EXPECT_THROW(table.MoveToRow(3), Error);
}

TEST_F(TableTest, RowTextShowsTheEditBufferOfTheCurrentRow) {
  AddWords({"a", "b"});
  table.First();
  table.Edit();
  table.FieldByName("Item").SetAsString("x");
  EXPECT_EQ(table.RowText(0, 1), "x");
  EXPECT_EQ(table.RowText(1, 1), "b");
  EXPECT_EQ(table.RowText(0, 3), "");  // empty text
  table.Cancel();
  table.Insert();
  EXPECT_EQ(table.RowText(0, 1), std::nullopt);  // the new record
  EXPECT_EQ(table.RowText(1, 1), "a");
}

TEST_F(TableTest, ClosedTableRefusesOperations) {
  AddWords({"a"});
  table.Edit();
  table.FieldByName("Item").SetAsString("b");
  table.Close();  // stores the pending edit
  EXPECT_FALSE(table.Active());
  EXPECT_EQ(table.State(), TableState::Inactive);
  try {
    table.First();
    FAIL();
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "Cannot perform this operation on a closed table (WORDS).");
  }
  EXPECT_THROW(table.FieldByName("Item").AsString(), Error);
  EXPECT_THROW(table.RecordCount(), Error);
  EXPECT_EQ(table.RowCount(), 0);
  table.Open(db.Db());
  EXPECT_EQ(table.FieldByName("Item").AsString(), "b");
}

TEST_F(TableTest, RecordTooLargeIsRefusedBeforeItIsWritten) {
  table.Insert();
  table.FieldByName("Item").SetAsString(std::string(70000, 'x'));
  EXPECT_THROW(table.Post(), Error);
  EXPECT_EQ(table.State(), TableState::Insert);
  table.FieldByName("Item").SetAsString("fits");
  table.Post();
  EXPECT_EQ(table.FieldByName("Id").AsInteger(), 1);  // the refused record took no key
  table.Close();
  table.Open(db.Db());
  EXPECT_EQ(table.RecordCount(), 1);
}

TEST_F(TableTest, TextIsNeverCutToAFieldSize) {
  const std::string longText(5000, 'x');
  AddWord(table, longText);
  table.Close();
  table.Open(db.Db());
  EXPECT_EQ(table.FieldByName("Item").AsString(), longText);
}

}  // namespace
}  // namespace store
