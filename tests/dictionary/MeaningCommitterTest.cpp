#include <gtest/gtest.h>

#include "TestDictionary.h"
#include "dictionary/Codes.h"
#include "dictionary/MeaningCommitter.h"
#include "dictionary/MeaningFields.h"

namespace dictionary {
namespace {

// A Hebrew verb with two of its forms, as any importer would hand it over (no document involved).
ParsedMeaning Verb() {
  ParsedMeaning verb;
  verb.Part = kPartVerb;
  verb.Topic = 4;
  verb.Words[text::Language::Russian] = {"\xCF\xC8\xD1\xC0\xD2\xDC", "", 0};
  verb.Words[text::Language::Hebrew] = {"\xE1\xFA\xEB\xEC", "", 0};
  verb.Words[text::Language::English] = {"TO WRITE", "", 0};
  verb.Root = "\xE1\xFA\xEB";
  verb.Binyan = 1;
  verb.Spelling[0] = "\xE1\xFA\xE5\xEB";
  verb.Pronunciation[0] = "\xEA\xEE\xF2\xE5<\xE2";
  return verb;
}

class MeaningCommitterTest : public testing::Test {
 protected:
  TDataModul& Data() { return Workspace.Data(); }
  int Count(store::Table& table) { return table.RecordCount(); }

  test::TestWorkspace Workspace;
};

TEST_F(MeaningCommitterTest, TakesAMeaningLinkedBothWaysMarkedWithItsFormsAndRefusesItAgain) {
  MeaningCommitter committer(Data());
  ASSERT_TRUE(committer.Offer(Verb()));

  EXPECT_TRUE(test::CurrentRecordsLinked(Data()));
  for (store::Table* table : {&Data().RUTable(), &Data().HETable(), &Data().ENTable()}) {
    EXPECT_EQ(table->FieldByName(kMarkField).AsString(), kMark) << table->TableName();
  }
  EXPECT_EQ(Data().HETable().FieldByName("Item_Invert").AsString(), "\xEC\xEB\xFA\xE1");
  EXPECT_EQ(Data().GLTABLE().FieldByName(kFormsToHebrew).AsInteger(),
            Data().HETable().FieldByName(kKeyField).AsInteger());
  EXPECT_EQ(Data().GLTABLE().FieldByName(kFormsToPronunciation).AsInteger(),
            Data().NekudotTable().FieldByName(kPronunciationKey).AsInteger());
  EXPECT_EQ(Data().GLTABLE().Fields(1).AsString(), "\xE1\xFA\xE5\xEB");
  EXPECT_EQ(Data().NekudotTable().Fields(1).AsString(), "\xEA\xEE\xF2\xE5<\xE2");

  EXPECT_FALSE(committer.Offer(Verb()));
  for (store::Table* table : {&Data().RUTable(), &Data().HETable(), &Data().ENTable(),
                              &Data().GLTABLE(), &Data().NekudotTable()}) {
    EXPECT_EQ(Count(*table), 1) << table->TableName();
  }
  committer.Finish();
  EXPECT_EQ(Data().RUTable().IndexName(), "item_index");
  EXPECT_EQ(Data().HETable().IndexName(), "invert_index");
  EXPECT_EQ(Data().ENTable().IndexName(), "item_index");
}

// A table never gives a key twice: after its last record is deleted, the next record takes a key
// beyond the one the committer expects, and the links must name the key taken.
TEST_F(MeaningCommitterTest, LinksNameTheKeysTakenAfterTheLastRecordsWereDeleted) {
  test::AddMeaning(
      Data(),
      {.ru = QStringLiteral("КОТ"), .he = QStringLiteral("חתול"), .en = QStringLiteral("CAT")});
  test::AddMeaning(
      Data(),
      {.ru = QStringLiteral("ДОМ"), .he = QStringLiteral("בית"), .en = QStringLiteral("HOUSE")});
  for (store::Table* table : {&Data().HETable(), &Data().ENTable()}) {
    table->SetIndexName("");
    table->Last();
    table->Delete();
  }
  MeaningCommitter committer(Data());
  for (const char* english : {"BOOK", "TABLE"}) {
    ParsedMeaning meaning = Verb();
    meaning.Words[text::Language::English].Item = english;
    ASSERT_TRUE(committer.Offer(meaning));
    EXPECT_TRUE(test::CurrentRecordsLinked(Data())) << english;
  }
  EXPECT_EQ(Data().HETable().FieldByName(kKeyField).AsInteger(), 4);
}

TEST_F(MeaningCommitterTest, WordsOfDifferentMeaningsAlreadyThereRefuseTheMeaning) {
  test::AddMeaning(Data(), {.ru = QStringLiteral("ДОМ"), .en = QStringLiteral("CAT")});
  test::AddMeaning(Data(), {.he = QStringLiteral("בית"), .en = QStringLiteral("HOUSE")});
  ParsedMeaning house;
  house.Words[text::Language::Russian].Item = "\xC4\xCE\xCC";
  house.Words[text::Language::Hebrew].Item = "\xE1\xE9\xFA";
  house.Words[text::Language::English].Item = "HOUSE";
  MeaningCommitter committer(Data());
  EXPECT_FALSE(committer.Offer(house));
  // Russian and English words are the same words in any case.
  house.Words[text::Language::Russian].Item = "\xE4\xEE\xEC";
  house.Words[text::Language::English].Item = "house";
  EXPECT_FALSE(committer.Offer(house));
  EXPECT_EQ(Count(Data().RUTable()), 2);
  house.Words[text::Language::English].Item = "HOME";
  EXPECT_TRUE(committer.Offer(house));
  EXPECT_EQ(Count(Data().RUTable()), 3);
}

// The Hebrew word index reads words without points and final forms; an import still takes a
// spelling that differs in them as a word of its own.
TEST_F(MeaningCommitterTest, HebrewWordsDifferingInPointsOrFinalFormsAreDifferentWords) {
  MeaningCommitter committer(Data());
  ParsedMeaning peace;
  peace.Words[text::Language::Russian].Item = "\xCC\xC8\xD0";     // МИР
  peace.Words[text::Language::Hebrew].Item = "\xED\xE5\xEC\xF9";  // שלום
  peace.Words[text::Language::English].Item = "PEACE";
  ASSERT_TRUE(committer.Offer(peace));
  const char* const spellings[] = {
      "\xED\xC9\xE5\xEC\xC8\xD1\xF9",  // שָׁלוֹם
      "\xEE\xE5\xEC\xF9",              // שלומ
  };
  for (const char* spelling : spellings) {
    peace.Words[text::Language::Hebrew].Item = spelling;
    EXPECT_TRUE(committer.Offer(peace));
    EXPECT_FALSE(committer.Offer(peace));
  }
  EXPECT_EQ(Count(Data().HETable()), 3);
}

}  // namespace
}  // namespace dictionary
