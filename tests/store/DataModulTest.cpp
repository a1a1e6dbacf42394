#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "store/DataModul.h"
#include "store/Schema.h"

namespace {

using store::Table;

std::filesystem::path PathOf(const QTemporaryDir& dir) { return dir.path().toStdString(); }

class DataModulTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directory(PathOf(dir) / "data"); }
  QTemporaryDir dir;
};

TEST_F(DataModulTest, OpensAllSixTablesInAnExistingFolder) {
  TDataModul module(PathOf(dir));
  module.DataModuleCreate();
  for (Table* table : {&module.RUTable(), &module.HETable(), &module.ENTable(),
                       &module.SelWordTable(), &module.GLTABLE(), &module.NekudotTable()}) {
    EXPECT_TRUE(table->Active()) << table->TableName();
    EXPECT_TRUE(table->IsEmpty());
    EXPECT_FALSE(table->Filtered());
  }
  EXPECT_EQ(module.RUTable().TableName(), "RUWORDS");
  EXPECT_EQ(module.HETable().TableName(), "Hewords");
  EXPECT_EQ(module.SelWordTable().IndexFieldNames(), "AndestandTwo");
  EXPECT_EQ(module.SelWordTable().IndexName(), "");
  EXPECT_EQ(module.RUTable().IndexFieldNames(), "");
  EXPECT_TRUE(std::filesystem::exists(PathOf(dir) / "data" / "vocamir.db"));
  EXPECT_EQ(module.DSRU().DataSet(), &module.RUTable());
  EXPECT_EQ(module.DSNekudot().DataSet(), &module.NekudotTable());
}

TEST_F(DataModulTest, VerbTablesHoldTheFormsAtPositionsOneToTwentyEight) {
  TDataModul module(PathOf(dir));
  for (Table* table : {&module.GLTABLE(), &module.NekudotTable()}) {
    EXPECT_EQ(table->Fields(0).FieldName(), "Id");
    EXPECT_EQ(table->Fields(0).DataType(), store::FieldType::AutoInc);
    EXPECT_EQ(table->Fields(1).FieldName(), "Nast1");
    EXPECT_EQ(table->Fields(5).FieldName(), "Prosh1");
    EXPECT_EQ(table->Fields(15).FieldName(), "Bud1");
    EXPECT_EQ(table->Fields(25).FieldName(), "Pov1");
    EXPECT_EQ(table->Fields(28).FieldName(), "Process");
  }
  EXPECT_EQ(module.GLTABLE().Fields(1).Encoding(), store::TextEncoding::Cp1255);
  EXPECT_EQ(module.NekudotTable().Fields(1).Encoding(), store::TextEncoding::Cp1251);
  EXPECT_EQ(module.GLTABLE().FieldByName("idhe").Position(), 29);
  EXPECT_EQ(module.GLTABLE().FieldByName("IdNekudot").Position(), 30);
  EXPECT_EQ(module.RUTable().FieldCount(), 13);
  EXPECT_EQ(module.RUTable().Fields(9).FieldName(), "RussianSpeech");
  EXPECT_EQ(module.HETable().FieldCount(), 13);
  EXPECT_EQ(module.ENTable().FieldCount(), 9);
  EXPECT_EQ(module.SelWordTable().FieldCount(), 11);
}

TEST_F(DataModulTest, MissingDataFolderIsTheErrorOfRuwordsAndNothingOpens) {
  QTemporaryDir empty;
  TDataModul module(PathOf(empty));
  try {
    module.DataModuleCreate();
    FAIL();
  } catch (const store::Error& error) {
    const std::string text = error.what();
    EXPECT_EQ(text.rfind("Cannot open table RUWORDS: the folder ", 0), 0u) << text;
  }
  for (Table* table : {&module.RUTable(), &module.HETable(), &module.ENTable(),
                       &module.SelWordTable(), &module.GLTABLE(), &module.NekudotTable()}) {
    EXPECT_FALSE(table->Active());
  }
  EXPECT_FALSE(std::filesystem::exists(PathOf(empty) / "data"));  // never created
  EXPECT_THROW(module.RUTable().First(), store::Error);
}

// The tables are read two at a time but opened in order: the first that fails, whether its
// shape (checked first) or a stored value (read on either thread) is damaged, ends the opening.
TEST_F(DataModulTest, FirstTableThatFailsStopsTheOpening) {
  struct Case {
    const char* Damage;
    const char* Table;
    int OpenBefore;  // the tables in opening order before the failing one stay open
  };
  const Case cases[] = {
      {"DROP TABLE SELEWORDS; CREATE TABLE SELEWORDS (ItemRU TEXT)", "SELEWORDS", 3},
      {"INSERT INTO Hewords (Item, idRU) VALUES ('x', 'not a number')", "Hewords", 2},
      {"INSERT INTO NEKUDOT (Nast1) VALUES (char(1488))", "NEKUDOT", 5},
      {"INSERT INTO RUWORDS (Item, IdHE) VALUES ('x', 'x')", "RUWORDS", 0},
  };
  for (const Case& c : cases) {
    QTemporaryDir folder;
    std::filesystem::create_directory(PathOf(folder) / "data");
    { TDataModul(PathOf(folder)).DataModuleCreate(); }
    sqlite3* raw = nullptr;
    sqlite3_open((PathOf(folder) / "data" / "vocamir.db").c_str(), &raw);
    ASSERT_EQ(sqlite3_exec(raw, c.Damage, nullptr, nullptr, nullptr), SQLITE_OK) << c.Damage;
    sqlite3_close(raw);
    TDataModul module(PathOf(folder));
    try {
      module.DataModuleCreate();
      ADD_FAILURE() << c.Damage;
    } catch (const store::Error& error) {
      EXPECT_EQ(std::string(error.what()).rfind(std::string("Cannot open table ") + c.Table, 0), 0u)
          << error.what();
    }
    const Table* inOrder[] = {&module.RUTable(),      &module.ENTable(), &module.HETable(),
                              &module.SelWordTable(), &module.GLTABLE(), &module.NekudotTable()};
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(inOrder[i]->Active(), i < c.OpenBefore)
          << c.Table << " " << inOrder[i]->TableName();
    }
  }
}

TEST_F(DataModulTest, SecondOwnerOfTheFolderIsRefused) {
  TDataModul first(PathOf(dir));
  first.DataModuleCreate();
  TDataModul second(PathOf(dir));
  try {
    second.DataModuleCreate();
    FAIL();
  } catch (const store::FolderInUseError& error) {
    EXPECT_EQ(std::string(error.what()), "The dictionary in " + (PathOf(dir) / "data").string() +
                                             " is already in use by another running Vocamir.");
  }
  EXPECT_FALSE(second.RUTable().Active());
  first.DataModuleDestroy();
  TDataModul third(PathOf(dir));
  EXPECT_NO_THROW(third.DataModuleCreate());  // released with the first owner
}

// The folder stays refused while another process owns it and is free again once that process is
// killed.
TEST_F(DataModulTest, FolderOfAKilledOwnerIsFreeAgain) {
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    TDataModul owner(PathOf(dir));
    owner.DataModuleCreate();
    const char ready = 1;
    if (write(pipeEnds[1], &ready, 1) != 1) _exit(1);
    for (;;) pause();
  }
  char ready = 0;
  ASSERT_EQ(read(pipeEnds[0], &ready, 1), 1);
  {
    TDataModul second(PathOf(dir));
    EXPECT_THROW(second.DataModuleCreate(), store::FolderInUseError);
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  close(pipeEnds[0]);
  close(pipeEnds[1]);
  TDataModul third(PathOf(dir));
  EXPECT_NO_THROW(third.DataModuleCreate());
}

TEST_F(DataModulTest, ChangedRecordInEditStateIsStoredAtTheEnd) {
  {
    TDataModul module(PathOf(dir));
    module.DataModuleCreate();
    module.RUTable().Insert();
    module.RUTable().FieldByName("Item").SetAsString("\xCA\xCE\xD2");
    module.ENTable().Insert();  // untouched: vanishes
  }
  TDataModul module(PathOf(dir));
  module.DataModuleCreate();
  EXPECT_EQ(module.RUTable().RecordCount(), 1);
  EXPECT_EQ(module.RUTable().FieldByName("item").AsString(), "\xCA\xCE\xD2");
  EXPECT_EQ(module.ENTable().RecordCount(), 0);
}

TEST_F(DataModulTest, MeaningLinksSurviveAReopen) {
  int ru = 0, he = 0, en = 0;
  {
    TDataModul module(PathOf(dir));
    module.DataModuleCreate();
    for (Table* table : {&module.RUTable(), &module.HETable(), &module.ENTable()}) {
      table->Insert();
      table->FieldByName("Select").SetAsString("*");
      table->Post();
    }
    ru = module.RUTable().FieldByName("Id").AsInteger();
    he = module.HETable().FieldByName("id").AsInteger();
    en = module.ENTable().FieldByName("id").AsInteger();
    module.RUTable().Edit();
    module.RUTable().FieldByName("IdHE").SetAsInteger(he);
    module.RUTable().FieldByName("IdEN").SetAsInteger(en);
    module.RUTable().Post();
  }
  TDataModul module(PathOf(dir));
  module.DataModuleCreate();
  ASSERT_TRUE(module.RUTable().Locate("Id", ru));
  EXPECT_EQ(module.RUTable().FieldByName("idHE").AsInteger(), he);
  EXPECT_EQ(module.RUTable().FieldByName("idEN").AsInteger(), en);
  module.RUTable().SetIndexName("Sele_index");
  EXPECT_TRUE(module.RUTable().FindKey("*"));
}

}  // namespace
