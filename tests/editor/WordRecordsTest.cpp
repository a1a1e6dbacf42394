#include <gtest/gtest.h>

#include <filesystem>

#include "RefusedWrites.h"
#include "TestDictionary.h"
#include "editor/WordRecords.h"
#include "store/DataModul.h"
#include "store/Error.h"

namespace editor {
namespace {

class WordRecordsTest : public ::testing::Test {
 protected:
  // Closes the data module (storing what is pending) and opens it again from disk.
  void Reopen() { workspace_.Reopen(); }

  WordTables Tables() {
    return {Data().RUTable(), Data().HETable(), Data().ENTable(), Data().GLTABLE(),
            Data().NekudotTable()};
  }
  static std::string Text(store::Table& table, const char* field) {
    return table.FieldByName(field).AsString();
  }
  static int Int(store::Table& table, const char* field) {
    return table.FieldByName(field).AsInteger();
  }
  static int Id(store::Table& table) { return Int(table, "id"); }

  // A meaning created and saved with the given codes; returns the Hebrew id.
  int SavedMeaning(Page page, const std::string& word, const WordCodes& codes = {}) {
    WordTables tables = Tables();
    CreateMeaning(tables, page, word);
    return WriteCodesAndPost(tables, codes).value();
  }

  static VerbTexts Forms(const std::string& prefix) {
    VerbTexts forms;
    for (int form = 0; form < kVerbFormCount; ++form) forms[form] = prefix + std::to_string(form);
    return forms;
  }

  test::TestWorkspace workspace_;
  TDataModul& Data() { return workspace_.Data(); }
};

TEST_F(WordRecordsTest, NewMeaningOnHebrewPageIsPrefilledLinkedAndMarked) {
  WordTables tables = Tables();
  CreateMeaning(tables, Page::Hebrew, "\xE4\xE1\xE0");
  store::Table& ru = Data().RUTable();
  store::Table& he = Data().HETable();
  store::Table& en = Data().ENTable();
  EXPECT_EQ(he.State(), store::TableState::Edit);
  EXPECT_EQ(Text(he, "Item"), "\xE4\xE1\xE0");
  EXPECT_EQ(Text(he, "Item_Invert"), "\xE0\xE1\xE4");
  EXPECT_TRUE(ru.FieldByName("Item").IsNull());
  EXPECT_TRUE(en.FieldByName("Item").IsNull());
  EXPECT_TRUE(test::CurrentRecordsLinked(Data()));
  for (store::Table* table : {&ru, &he, &en}) EXPECT_EQ(Text(*table, "Select"), "*");
}

TEST_F(WordRecordsTest, PrefillGoesToThePagesOwnLanguage) {
  WordTables tables = Tables();
  CreateMeaning(tables, Page::Russian, "\xC4\xCE\xCC");
  EXPECT_EQ(Text(Data().RUTable(), "Item"), "\xC4\xCE\xCC");
  EXPECT_TRUE(Data().HETable().FieldByName("Item").IsNull());
  CreateMeaning(tables, Page::English, "HOUSE");
  EXPECT_EQ(Text(Data().ENTable(), "Item"), "HOUSE");
  EXPECT_TRUE(Data().RUTable().FieldByName("Item").IsNull());
}

TEST_F(WordRecordsTest, EmptySearchTextLeavesTheWordNull) {
  WordTables tables = Tables();
  CreateMeaning(tables, Page::Hebrew, "");
  EXPECT_TRUE(Data().HETable().FieldByName("Item").IsNull());
  EXPECT_TRUE(Data().HETable().FieldByName("Item_Invert").IsNull());
  CreateMeaning(tables, Page::Russian, "");
  EXPECT_TRUE(Data().RUTable().FieldByName("Item").IsNull());
}

TEST_F(WordRecordsTest, NewMeaningLeftUnsavedSurvivesAsThreeLinkedMarkedRecords) {
  WordTables tables = Tables();
  CreateMeaning(tables, Page::English, "CAT");
  const int ruId = Id(Data().RUTable()), heId = Id(Data().HETable()), enId = Id(Data().ENTable());
  Reopen();  // nothing posted the links and marks explicitly
  store::Table& ru = Data().RUTable();
  store::Table& he = Data().HETable();
  store::Table& en = Data().ENTable();
  ASSERT_TRUE(ru.Locate("Id", ruId));
  ASSERT_TRUE(he.Locate("id", heId));
  ASSERT_TRUE(en.Locate("id", enId));
  EXPECT_EQ(Int(ru, "IdHE"), heId);
  EXPECT_EQ(Int(he, "idEN"), enId);
  EXPECT_EQ(Int(en, "idRU"), ruId);
  EXPECT_EQ(Text(en, "Item"), "CAT");
  for (store::Table* table : {&ru, &he, &en}) EXPECT_EQ(Text(*table, "Select"), "*");
}

// The six writes of a new meaning (three records, then their links) are one unit: any of them
// refused leaves no record of it, in the tables or on disk.
TEST_F(WordRecordsTest, NewMeaningIsStoredWholeOrNotAtAll) {
  const std::filesystem::path database = Data().DataFolder() / "vocamir.db";
  for (int refused = 1; refused <= 6; ++refused) {
    test::RefuseWrite(database, refused);
    WordTables tables = Tables();
    EXPECT_THROW(CreateMeaning(tables, Page::Russian, "\xC4\xCE\xCC"), store::Error) << refused;
    test::RefuseWrite(database, 0);
    for (store::Table* table : {&Data().RUTable(), &Data().HETable(), &Data().ENTable()}) {
      EXPECT_EQ(table->State(), store::TableState::Browse) << refused;
      EXPECT_TRUE(table->IsEmpty()) << refused;
    }
    Reopen();
    EXPECT_TRUE(Data().RUTable().IsEmpty() && Data().HETable().IsEmpty() &&
                Data().ENTable().IsEmpty())
        << refused;
  }
}

TEST_F(WordRecordsTest, NewMeaningSwitchesFiltersOff) {
  SavedMeaning(Page::English, "A");
  Data().RUTable().SetFilter("Select = 'x'");
  Data().RUTable().SetFiltered(true);
  WordTables tables = Tables();
  CreateMeaning(tables, Page::English, "B");
  EXPECT_FALSE(Data().RUTable().Filtered());
  EXPECT_EQ(Data().RUTable().RecordCount(), 2);
}

struct PartnerCase {
  Page page;
  const char* word;
};

class PartnersTest : public WordRecordsTest, public ::testing::WithParamInterface<Page> {};

TEST_P(PartnersTest, OtherTablesMoveToTheMeaningOfTheCurrentWord) {
  SavedMeaning(Page::English, "FIRST");
  SavedMeaning(Page::English, "SECOND");
  store::Table& ru = Data().RUTable();
  store::Table& he = Data().HETable();
  store::Table& en = Data().ENTable();
  // The first meaning's record on the page's table; the others on the second meaning.
  ru.Last();
  he.Last();
  en.Last();
  store::Table& start = GetParam() == Page::Russian ? ru : GetParam() == Page::Hebrew ? he : en;
  start.First();
  WordTables tables = Tables();
  MoveToPartners(tables, GetParam());
  en.Locate("Item", "FIRST");
  const int firstEn = Id(en);
  start.First();
  MoveToPartners(tables, GetParam());
  EXPECT_EQ(Int(ru, "IdEN"), firstEn);
  EXPECT_EQ(Int(he, "idEN"), firstEn);
  EXPECT_EQ(Text(en, "Item"), "FIRST");
}

INSTANTIATE_TEST_SUITE_P(Pages, PartnersTest,
                         ::testing::Values(Page::Russian, Page::Hebrew, Page::English));

struct LinkCase {
  const char* name;
  const char* damage;  // what becomes of the Russian word's link to English ("" nothing)
  const char* englishFilter;
  bool found;
  const char* englishAfter;
};

class LinkTest : public WordRecordsTest, public ::testing::WithParamInterface<LinkCase> {};

// Editing needs both partners: a link that leads nowhere leaves the partner's table where it was
// and says so; a partner a filter hides is found with the filter off.
TEST_P(LinkTest, PartnersAreFoundUnfilteredOrReportedMissing) {
  const LinkCase& c = GetParam();
  SavedMeaning(Page::English, "ONE");
  SavedMeaning(Page::English, "TWO");
  store::Table& ru = Data().RUTable();
  store::Table& en = Data().ENTable();
  ru.First();
  ru.Edit();
  if (std::string(c.damage) == "null") {
    ru.FieldByName("IdEN").Clear();
  } else if (*c.damage != '\0') {
    ru.FieldByName("IdEN").SetAsString(c.damage);
  }
  ru.Post();
  en.SetFilter(c.englishFilter);
  en.SetFiltered(*c.englishFilter != '\0');
  en.Last();
  WordTables tables = Tables();
  EXPECT_EQ(MoveToPartners(tables, Page::Russian), c.found);
  EXPECT_EQ(Text(en, "Item"), c.englishAfter);
}

INSTANTIATE_TEST_SUITE_P(Links, LinkTest,
                         ::testing::Values(LinkCase{"linked", "", "", true, "ONE"},
                                           LinkCase{"filtered", "", "Item = 'TWO'", true, "ONE"},
                                           LinkCase{"dangling", "999", "", false, "TWO"},
                                           LinkCase{"null", "null", "", false, "TWO"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WordRecordsTest, AnEmptyPageHasNoMeaningToEdit) {
  WordTables tables = Tables();
  EXPECT_FALSE(MoveToPartners(tables, Page::Hebrew));
  EXPECT_TRUE(Data().HETable().IsEmpty());
}

TEST_F(WordRecordsTest, NullCodesReadAsZero) {
  WordTables tables = Tables();
  CreateMeaning(tables, Page::English, "X");
  const WordCodes codes = ReadCodes(tables.ru, tables.he, tables.en);
  EXPECT_EQ(codes.part, 0);
  EXPECT_EQ(codes.binyan, 0);
  EXPECT_EQ(codes.sexHE, 0);
  EXPECT_EQ(codes.sexRU, 0);
  EXPECT_EQ(codes.sexEN, 0);
  EXPECT_EQ(codes.topic, 0);
}

TEST_F(WordRecordsTest, SavedCodesGoIntoAllThreeRecordsAndReadBack) {
  WordCodes codes;
  codes.part = 3;
  codes.binyan = 5;
  codes.sexHE = 1;
  codes.sexRU = 3;
  codes.sexEN = 2;
  codes.topic = 14;
  SavedMeaning(Page::English, "RED", codes);
  Reopen();
  store::Table& ru = Data().RUTable();
  store::Table& en = Data().ENTable();
  for (store::Table* table : {&ru, &Data().HETable(), &en}) {
    EXPECT_EQ(table->State(), store::TableState::Browse);
    EXPECT_EQ(Int(*table, "Part"), 3);
    EXPECT_EQ(Int(*table, "Topic"), 14);
  }
  WordTables tables = Tables();
  const WordCodes read = ReadCodes(tables.ru, tables.he, tables.en);
  EXPECT_EQ(read.binyan, 5);
  EXPECT_EQ(read.sexHE, 1);
  EXPECT_EQ(read.sexRU, 3);
  EXPECT_EQ(read.sexEN, 2);
}

// The saved word's key, whether the post leaves the cursor on another word (1 other meaning) or
// on none (0).
class SavedKeyTest : public WordRecordsTest, public ::testing::WithParamInterface<int> {};

TEST_P(SavedKeyTest, SavedWordKeyIsTheWordSavedUnderAFilterItLeaves) {
  for (int i = 0; i < GetParam(); ++i) SavedMeaning(Page::English, "OTHER");
  const int saved = SavedMeaning(Page::English, "SAVED");
  store::Table& he = Data().HETable();
  he.SetFilter("Topic = '0'");
  he.SetFiltered(true);
  ASSERT_TRUE(he.Locate("id", saved));
  WordTables tables = Tables();
  EditWords(tables);
  WordCodes codes;
  codes.topic = 4;
  EXPECT_EQ(WriteCodesAndPost(tables, codes), saved);
}

INSTANTIATE_TEST_SUITE_P(OtherMeanings, SavedKeyTest, ::testing::Values(1, 0));

TEST_F(WordRecordsTest, SaveStoresTheReversedCopiesOfWhatTheRecordHolds) {
  WordTables tables = Tables();
  CreateMeaning(tables, Page::Hebrew, "\xE0\xE1");
  store::Table& he = Data().HETable();
  he.FieldByName("Item").SetAsString("\xE2\xE3\xE4");
  he.FieldByName("Root").SetAsString("\xE5\xE6");
  WriteCodesAndPost(tables, {});
  EXPECT_EQ(Text(he, "Item_Invert"), "\xE4\xE3\xE2");
  EXPECT_EQ(Text(he, "Root_Invert"), "\xE6\xE5");
  EditWords(tables);
  he.FieldByName("Root").Clear();
  WriteCodesAndPost(tables, {});
  EXPECT_TRUE(he.FieldByName("Root_Invert").IsNull());
}

TEST_F(WordRecordsTest, GenderNoTakesTheHebrewGender) {
  WordCodes codes;
  codes.sexHE = 2;
  codes.sexRU = 0;
  codes.sexEN = 1;
  SavedMeaning(Page::English, "W", codes);
  EXPECT_EQ(Int(Data().RUTable(), "Sex"), 2);
  EXPECT_EQ(Int(Data().ENTable(), "Sex"), 1);
  EXPECT_EQ(Int(Data().HETable(), "Sex"), 2);
}

TEST_F(WordRecordsTest, VerbSavedTwiceUpdatesTheSameTwoRecords) {
  const int heId = SavedMeaning(Page::Hebrew, "\xE1\xFA\xEB", {kPartVerb});
  WordTables tables = Tables();
  StoreVerbForms(tables, heId, Forms("s"), Forms("p"));
  ASSERT_EQ(Data().GLTABLE().RecordCount(), 1);
  ASSERT_EQ(Data().NekudotTable().RecordCount(), 1);
  const int nekudotId = Int(Data().GLTABLE(), "IdNekudot");
  EXPECT_EQ(Int(Data().GLTABLE(), "IdHE"), heId);
  EXPECT_EQ(Id(Data().NekudotTable()), nekudotId);

  StoreVerbForms(tables, heId, Forms("t"), Forms("q"));
  Reopen();
  EXPECT_EQ(Data().GLTABLE().RecordCount(), 1);
  EXPECT_EQ(Data().NekudotTable().RecordCount(), 1);
  WordTables reopened = Tables();
  VerbTexts spelling, pronunciation;
  ASSERT_TRUE(LoadVerbForms(reopened, heId, spelling, pronunciation));
  EXPECT_EQ(spelling, Forms("t"));
  EXPECT_EQ(pronunciation, Forms("q"));
  EXPECT_EQ(Int(Data().GLTABLE(), "IdNekudot"), nekudotId);
  // Both tables carry each form at the same position.
  EXPECT_EQ(Data().GLTABLE().Fields(1).AsString(), "t0");
  EXPECT_EQ(Data().NekudotTable().Fields(28).AsString(), "q27");
}

TEST_F(WordRecordsTest, DanglingPronunciationLinkGetsANewRecordAndLeavesOthersAlone) {
  WordTables tables = Tables();
  const int other = SavedMeaning(Page::Hebrew, "A", {kPartVerb});
  StoreVerbForms(tables, other, Forms("other-s"), Forms("other-p"));
  const int otherNekudot = Int(Data().GLTABLE(), "IdNekudot");
  const int heId = SavedMeaning(Page::Hebrew, "B", {kPartVerb});
  StoreVerbForms(tables, heId, Forms("s"), Forms("p"));
  // The verb's link names a record that is not there (the next key would be someone else's).
  Data().GLTABLE().Edit();
  Data().GLTABLE().FieldByName("IdNekudot").SetAsInteger(otherNekudot + 100);
  Data().GLTABLE().Post();

  StoreVerbForms(tables, heId, Forms("new-s"), Forms("new-p"));
  EXPECT_EQ(Data().NekudotTable().RecordCount(), 3);
  VerbTexts spelling, pronunciation;
  ASSERT_TRUE(LoadVerbForms(tables, heId, spelling, pronunciation));
  EXPECT_EQ(pronunciation, Forms("new-p"));
  ASSERT_TRUE(LoadVerbForms(tables, other, spelling, pronunciation));
  EXPECT_EQ(pronunciation, Forms("other-p"));
  EXPECT_EQ(spelling, Forms("other-s"));
}

TEST_F(WordRecordsTest, WordWithoutVerbRecordLoadsEmptyForms) {
  const int heId = SavedMeaning(Page::Hebrew, "N", {kPartNoun});
  WordTables tables = Tables();
  VerbTexts spelling = Forms("old"), pronunciation = Forms("old");
  EXPECT_FALSE(LoadVerbForms(tables, heId, spelling, pronunciation));
  EXPECT_EQ(spelling, VerbTexts{});
  EXPECT_EQ(pronunciation, VerbTexts{});
}

TEST_F(WordRecordsTest, MissingPronunciationRecordLoadsSpellingsOnly) {
  const int heId = SavedMeaning(Page::Hebrew, "V", {kPartVerb});
  WordTables tables = Tables();
  StoreVerbForms(tables, heId, Forms("s"), Forms("p"));
  Data().NekudotTable().Delete();
  VerbTexts spelling, pronunciation = Forms("stale");
  ASSERT_TRUE(LoadVerbForms(tables, heId, spelling, pronunciation));
  EXPECT_EQ(spelling, Forms("s"));
  EXPECT_EQ(pronunciation, VerbTexts{});
}

TEST_F(WordRecordsTest, FailedStoreLeavesNoHalfWrittenRecord) {
  const int heId = SavedMeaning(Page::Hebrew, "V", {kPartVerb});
  Data().NekudotTable().Close();
  WordTables tables = Tables();
  EXPECT_THROW(StoreVerbForms(tables, heId, Forms("s"), Forms("p")), store::Error);
  EXPECT_EQ(Data().GLTABLE().State(), store::TableState::Browse);
  EXPECT_EQ(Data().GLTABLE().RecordCount(), 0);
}

}  // namespace
}  // namespace editor
