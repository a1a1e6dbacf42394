#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "RefusedWrites.h"
#include "StoreTestSupport.h"
#include "store/Table.h"

namespace store {
namespace {

using testing::AddWord;
using testing::Column;
using testing::TempDatabase;
using testing::WordsDef;
using Strings = std::vector<std::string>;

// Runs one SQL query on the database file directly and returns the first column of each row.
Strings Query(const std::filesystem::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  sqlite3_stmt* statement = nullptr;
  Strings rows;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
    while (sqlite3_step(statement) == SQLITE_ROW) {
      const auto* text = sqlite3_column_text(statement, 0);
      rows.push_back(text ? reinterpret_cast<const char*>(text) : "<null>");
    }
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return rows;
}

// The error text of opening `table` on `db`, or "" when it opened.
std::string OpenError(Table& table, TempDatabase& db) {
  try {
    table.Open(db.Db());
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

TEST(Persistence, ReopenGivesTheSameRecordsWithNullsAndEmptiesApart) {
  TempDatabase db;
  {
    Table table(WordsDef());
    table.Open(db.Db());
    AddWord(table, "a", 1, "*");
    AddWord(table, "", 2, "");
    table.Insert();
    table.FieldByName("Item").SetAsString("nulls");
    table.Post();
    AddWord(table, "gone", 4);
    table.Delete();
    table.First();
    table.Edit();
    table.FieldByName("Item").SetAsString("edited");
    table.Post();
  }
  db.Reopen();
  Table table(WordsDef());
  table.Open(db.Db());
  EXPECT_EQ(Column(table, "Item"), (Strings{"edited", "", "nulls"}));
  table.Last();
  EXPECT_TRUE(table.FieldByName("Num").IsNull());
  EXPECT_TRUE(table.FieldByName("Select").IsNull());
  table.Prior();
  EXPECT_FALSE(table.FieldByName("Item").IsNull());
  EXPECT_FALSE(table.FieldByName("Select").IsNull());
  EXPECT_EQ(table.FieldByName("Num").AsInteger(), 2);
  EXPECT_EQ(Query(db.File(), "SELECT typeof(Num) FROM WORDS ORDER BY Id"),
            (Strings{"integer", "integer", "null"}));
  EXPECT_EQ(Query(db.File(), "SELECT quote(\"Select\") FROM WORDS ORDER BY Id"),
            (Strings{"'*'", "''", "NULL"}));
}

TEST(Persistence, EveryByteOfBothCodePagesRoundTripsAsUtf8) {
  TempDatabase db;
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  all += '\0';
  {
    Table table(WordsDef());
    table.Open(db.Db());
    table.Insert();
    table.FieldByName("Item").SetAsString(all);
    table.FieldByName("Heb").SetAsString(all);
    table.Post();
  }
  // The database holds readable UTF-8: Cyrillic А is U+0410, Hebrew alef U+05D0.
  EXPECT_EQ(Query(db.File(), "SELECT instr(Item, 'А') > 0 FROM WORDS"), Strings{"1"});
  EXPECT_EQ(Query(db.File(), "SELECT instr(Heb, 'א') > 0 FROM WORDS"), Strings{"1"});
  db.Reopen();
  Table table(WordsDef());
  table.Open(db.Db());
  EXPECT_EQ(table.FieldByName("Item").AsString(), all);
  EXPECT_EQ(table.FieldByName("Heb").AsString(), all);
}

TEST(Persistence, StoredTableWithoutADeclaredFieldIsReportedDamaged) {
  TempDatabase db;
  db.Close();
  ASSERT_EQ(Query(db.File(), "CREATE TABLE WORDS (Id INTEGER PRIMARY KEY, Item TEXT)").size(), 0u);
  db.Reopen();
  Table table(WordsDef());
  EXPECT_EQ(OpenError(table, db),
            "Cannot open table WORDS: Table WORDS is damaged: it has no "
            "field 'Num'.");
  EXPECT_FALSE(table.Active());
}

TEST(Persistence, TextTheCodePageCannotHoldIsReportedDamaged) {
  TempDatabase db;
  {
    Table table(WordsDef());
    table.Open(db.Db());
    AddWord(table, "a");
  }
  db.Close();
  Query(db.File(), "UPDATE WORDS SET Item = 'א'");  // Hebrew in a Windows-1251 field
  db.Reopen();
  Table table(WordsDef());
  EXPECT_EQ(OpenError(table, db),
            "Cannot open table WORDS: Table WORDS is damaged: field 'Item' of record 1 "
            "holds a character its code page cannot store.");
}

TEST(Persistence, FileThatIsNoDatabaseIsRefused) {
  QTemporaryDir dir;
  const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "x.db";
  std::ofstream(file) << "this is not a database, just some text that fills the header......";
  EXPECT_THROW(SqlitePersistence persistence(file), Error);
}

TEST(Persistence, BulkTransactionCommitsEveryPostAtOnce) {
  TempDatabase db;
  Table table(WordsDef());
  table.Open(db.Db());
  {
    BulkTransaction bulk(table);
    BulkTransaction nested(table);
    for (int i = 0; i < 100; ++i) AddWord(table, "w" + std::to_string(i), i);
    nested.Commit();
    // Still inside the outer transaction: another connection sees nothing yet.
    EXPECT_EQ(Query(db.File(), "SELECT count(*) FROM WORDS"), Strings{"0"});
    bulk.Commit();
  }
  EXPECT_EQ(Query(db.File(), "SELECT count(*) FROM WORDS"), Strings{"100"});
}

// Inside a bulk transaction a refused write undoes only itself: the posts around it, before and
// after, are committed.
TEST(Persistence, WriteRefusedInsideABulkTransactionUndoesOnlyItself) {
  testing::TwoTables tables;
  TempDatabase& db = tables.db;
  Table& words = tables.words;
  Table& other = tables.other;
  AddWord(other, "x");
  test::RefuseWrite(db.File(), 1, "OTHER");
  {
    BulkTransaction bulk(words);
    AddWord(words, "a");
    for (int attempt = 0; attempt < 2; ++attempt) {
      other.Insert();
      other.FieldByName("Item").SetAsString("y");
      EXPECT_THROW(other.Post(), Error);
      other.Cancel();
      AddWord(words, "b" + std::to_string(attempt));
    }
    bulk.Commit();
  }
  EXPECT_EQ(Query(db.File(), "SELECT Item FROM WORDS ORDER BY Id"), (Strings{"a", "b0", "b1"}));
}

// A child process posts records one by one and is killed; every record it reported as posted
// must be in the database, which must open.
TEST(Persistence, KilledProcessLosesNoPostedRecord) {
  TempDatabase db;
  db.Close();
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(pipeEnds[0]);
    SqlitePersistence persistence(db.File());
    Table table(WordsDef());
    table.Open(persistence);
    for (int i = 0;; ++i) {
      AddWord(table, "w" + std::to_string(i), i);
      table.Edit();  // left changed but unposted when the kill comes
      table.FieldByName("Item").SetAsString("unposted");
      const char done = 1;
      if (write(pipeEnds[1], &done, 1) != 1) _exit(1);
      table.Cancel();
    }
  }
  close(pipeEnds[1]);
  int posted = 0;
  char done;
  while (posted < 40 && read(pipeEnds[0], &done, 1) == 1) ++posted;
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  while (read(pipeEnds[0], &done, 1) == 1) ++posted;  // reported before the kill landed
  close(pipeEnds[0]);

  db.Reopen();
  Table table(WordsDef());
  table.Open(db.Db());
  EXPECT_GE(table.RecordCount(), posted);
  EXPECT_LE(table.RecordCount(), posted + 1);
  table.First();
  for (int i = 0; i < posted; ++i, table.Next()) {
    EXPECT_EQ(table.FieldByName("Item").AsString(), "w" + std::to_string(i));
  }
  EXPECT_EQ(Query(db.File(), "PRAGMA integrity_check"), Strings{"ok"});
}

}  // namespace
}  // namespace store
