// A dictionary this user may not write opens read-only: everything reads, and every write is
// refused with one message before anything changes. Run as nobody under root (Unprivileged.h).

#include <gtest/gtest.h>

#include <QFile>
#include <filesystem>
#include <functional>

#include "TestDictionary.h"
#include "Unprivileged.h"
#include "store/Error.h"
#include "store/WriteUnit.h"

namespace {

namespace fs = std::filesystem;

struct Refusal {
  const char* name;
  std::function<void(TDataModul&)> write;
};

// Every way a table can be changed, each as a caller would begin it.
const Refusal kRefusals[] = {
    {"edit", [](TDataModul& data) { data.RUTable().Edit(); }},
    {"insert", [](TDataModul& data) { data.ENTable().Insert(); }},
    {"delete", [](TDataModul& data) { data.HETable().Delete(); }},
    {"bulk transaction",
     [](TDataModul& data) { store::BulkTransaction bulk(data.SelWordTable()); }},
    {"write unit", [](TDataModul& data) { store::WriteUnit({&data.GLTABLE()}).Run([] {}); }},
};

class ReadOnlyTest : public ::testing::TestWithParam<bool> {};

// With the folder not writable (true) the database is read as it stands; with only the database
// file not writable (false) SQLite still keeps its journal beside it.
TEST_P(ReadOnlyTest, ReadsEverythingAndRefusesEveryWriteBeforeItChangesAnything) {
  if (const auto child = test::RunUnprivileged()) {
    EXPECT_TRUE(*child);
    return;
  }
  test::TestWorkspace workspace;
  test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("ДОМ"), .en = QStringLiteral("HOUSE")});
  const QByteArray before = [&] {
    workspace.Reopen();  // everything committed into the database file itself
    QFile file(workspace.FilePath(QStringLiteral("data/vocamir.db")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();

  workspace.ReopenReadOnly(GetParam());
  TDataModul& data = workspace.Data();
  ASSERT_TRUE(data.ReadOnly());
  EXPECT_EQ(*data.ReadOnly(), "The dictionary in " + data.DataFolder().string() +
                                  " is read-only: Permission denied. It can be read, but nothing "
                                  "in it can be changed.");
  ASSERT_TRUE(data.RUTable().Active() && data.NekudotTable().Active());
  EXPECT_TRUE(data.ENTable().Locate("Item", "HOUSE"));

  for (const Refusal& refusal : kRefusals) {
    try {
      refusal.write(data);
      ADD_FAILURE() << refusal.name << " was not refused";
    } catch (const store::ReadOnlyError& error) {
      EXPECT_EQ(error.what(), *data.ReadOnly()) << refusal.name;
    }
  }
  for (store::Table* table : {&data.RUTable(), &data.HETable(), &data.ENTable()}) {
    EXPECT_EQ(table->State(), store::TableState::Browse) << table->TableName();
    EXPECT_EQ(table->RecordCount(), 1) << table->TableName();
  }
  data.DataModuleDestroy();
  QFile file(workspace.FilePath(QStringLiteral("data/vocamir.db")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before);
}

INSTANTIATE_TEST_SUITE_P(FolderOrFile, ReadOnlyTest, ::testing::Bool());

// A program that ended without closing its dictionary leaves the last commits in the journal; a
// folder that cannot be written is read through it.
TEST(ReadOnlyJournalTest, CommitsLeftInTheJournalAreRead) {
  if (const auto child = test::RunUnprivileged()) {
    EXPECT_TRUE(*child);
    return;
  }
  test::TestWorkspace workspace;
  test::TestWorkspace crashed(false);
  test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("КОТ")});
  // A copy taken while the module is open is what a killed program leaves.
  const fs::path from = workspace.Data().DataFolder();
  const fs::path to = crashed.Data().DataFolder();
  for (const char* name : {"vocamir.db", "vocamir.db-wal", "vocamir.db-shm"}) {
    fs::copy_file(from / name, to / name);
  }
  ASSERT_GT(fs::file_size(to / "vocamir.db-wal"), 0u);
  crashed.ReopenReadOnly();
  ASSERT_TRUE(crashed.Data().ReadOnly());
  EXPECT_EQ(crashed.Data().RUTable().RecordCount(), 1);
}

}  // namespace
