// Translation lookups, speech requests, lesson marks, deleting and the filters, on the three word
// tables without a window.

#include <gtest/gtest.h>

#include "BrowserTestData.h"
#include "RefusedWrites.h"
#include "browser/Filters.h"
#include "browser/Translation.h"
#include "dictionary/DeleteMeaning.h"
#include "dictionary/Marks.h"
#include "store/Error.h"

namespace {

using browser::Language;
using test::FieldText;
using test::He;

class MeaningTest : public ::testing::Test {
 protected:
  browser::WordTables Tables() {
    TDataModul& data = workspace.Data();
    return {data.RUTable(), data.HETable(), data.ENTable()};
  }
  QString Mark(store::Table& table) { return FieldText(table, "Select"); }
  int Count(store::Table& table) { return table.RecordCount(); }

  test::TestWorkspace workspace;
};

TEST_F(MeaningTest, MovePartnersFromEachLanguage) {
  const test::MeaningIds cat =
      test::AddMeaning(workspace.Data(), {.ru = QString::fromUtf8("КОТ"),
                                          .he = He(QString::fromUtf8("חתול")),
                                          .en = QStringLiteral("CAT")});
  test::AddMeaning(workspace.Data(), {.ru = QString::fromUtf8("ДОМ"),
                                      .he = He(QString::fromUtf8("בית")),
                                      .en = QStringLiteral("HOUSE")});
  Tables().he.Locate("id", cat.he);
  const browser::StatusTexts fromHebrew = browser::MovePartners(Tables(), Language::Hebrew);
  EXPECT_EQ(fromHebrew.panel0, QString::fromUtf8("КОТ"));
  EXPECT_EQ(fromHebrew.panel1, "CAT");
  EXPECT_EQ(Tables().ru.FieldByName("Id").AsInteger(), cat.ru);

  Tables().en.Locate("id", cat.en + 1);
  const browser::StatusTexts fromEnglish = browser::MovePartners(Tables(), Language::English);
  EXPECT_EQ(fromEnglish.panel0, QString::fromUtf8("ДОМ"));
  EXPECT_EQ(fromEnglish.panel1, He(QString::fromUtf8("בית")));
}

TEST_F(MeaningTest, LinkToMissingRecordLandsOnNextRecordInIdOrder) {
  const test::MeaningIds first = test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("A")});
  test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("B"), .en = QStringLiteral("SECOND")});
  store::Table& ru = Tables().ru;
  Tables().en.Locate("id", first.en);
  Tables().en.Delete();  // the first meaning's English record is gone
  ru.Locate("Id", first.ru);
  EXPECT_EQ(browser::MovePartners(Tables(), Language::Russian).panel1, "SECOND");
}

TEST_F(MeaningTest, EmptyLinkStopsBeforeAnythingMoves) {
  Tables().ru.Insert();
  Tables().ru.FieldByName("Item").SetAsString("X");
  Tables().ru.Post();
  EXPECT_THROW(browser::MovePartners(Tables(), Language::Russian), store::ConversionError);
}

TEST_F(MeaningTest, SpeechRequestsFollowSwitchesInOrderRussianEnglishHebrew) {
  test::AddMeaning(workspace.Data(), {.ru = QString::fromUtf8("КОТ"),
                                      .he = He(QString::fromUtf8("חתול")),
                                      .en = QStringLiteral("CAT"),
                                      .ruHint = QString::fromUtf8("КО<Т")});
  using R = browser::SpeechRequest;
  EXPECT_TRUE(browser::TranslationSpeech(Tables(), false, false, false).empty());
  // Hebrew without a hint speaks a single blank; the written Hebrew word is never spoken.
  EXPECT_EQ(browser::TranslationSpeech(Tables(), false, true, false),
            (std::vector<R>{{Language::Hebrew, " "}}));
  EXPECT_EQ(browser::TranslationSpeech(Tables(), true, true, true),
            (std::vector<R>{{Language::Russian, "\xCA\xCE<\xD2"},
                            {Language::English, "CAT"},
                            {Language::Hebrew, " "}}));
}

TEST_F(MeaningTest, MarkToggleChangesTheWholeMeaningDecidedByTheClickedRecord) {
  const test::MeaningIds ids = test::AddMeaning(
      workspace.Data(),
      {.ru = QStringLiteral("A"), .he = QStringLiteral("B"), .en = QStringLiteral("C")});
  for (Language clicked : {Language::Hebrew, Language::English, Language::Russian}) {
    browser::TableOf(Tables(), clicked)
        .Locate("id", clicked == Language::Russian  ? ids.ru
                      : clicked == Language::Hebrew ? ids.he
                                                    : ids.en);
    const QString before = Mark(browser::TableOf(Tables(), clicked));
    dictionary::ToggleMeaningMark(Tables(), clicked);
    const QString expected = before == "*" ? "" : "*";
    EXPECT_EQ(Mark(Tables().ru), expected);
    EXPECT_EQ(Mark(Tables().he), expected);
    EXPECT_EQ(Mark(Tables().en), expected);
  }
}

TEST_F(MeaningTest, MarkToggleLeavesRecordsOutsideTheMeaningAlone) {
  const test::MeaningIds other = test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("O")});
  const test::MeaningIds ids = test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("A")});
  store::Table& ru = Tables().ru;
  ru.Locate("Id", ids.ru);
  ru.Edit();
  ru.FieldByName("IdEN").SetAsInteger(99999);
  ru.FieldByName("IdHE").Clear();
  ru.Post();
  Tables().en.Locate("id", other.en);
  Tables().he.Locate("id", other.he);
  dictionary::ToggleMeaningMark(Tables(), Language::Russian);
  EXPECT_EQ(Mark(ru), "*");
  EXPECT_EQ(Mark(Tables().en), "");
  EXPECT_EQ(Mark(Tables().he), "");
  EXPECT_EQ(Tables().en.FieldByName("id").AsInteger(), other.en);
}

TEST_F(MeaningTest, SelectTwiceRestoresTheMarkAndLeavesPartners) {
  test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("A"), .marked = true});
  dictionary::ToggleWordMark(Tables().he);
  EXPECT_EQ(Mark(Tables().he), "");
  EXPECT_EQ(Mark(Tables().ru), "*");
  dictionary::ToggleWordMark(Tables().he);
  EXPECT_EQ(Mark(Tables().he), "*");
}

TEST_F(MeaningTest, ClearAllMarksUnmarksEveryMeaningWithAMarkedRussianWord) {
  for (int i = 0; i < 5; ++i) {
    test::AddMeaning(workspace.Data(), {.ru = QString::number(i), .marked = true});
  }
  const test::MeaningIds unmarkedRussian =
      test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("X")});
  test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("Y")});
  Tables().he.Locate("id", unmarkedRussian.he);
  dictionary::ToggleWordMark(Tables().he);  // only the Hebrew word is marked

  EXPECT_EQ(dictionary::ClearAllMarks(Tables()), 5);
  int marked = 0;
  for (store::Table* table : {&Tables().ru, &Tables().en}) {
    for (table->First(); !table->Eof(); table->Next()) marked += Mark(*table) == "*";
  }
  EXPECT_EQ(marked, 0);
  EXPECT_TRUE(Tables().he.Locate("id", unmarkedRussian.he));
  EXPECT_EQ(Mark(Tables().he), "*");
  for (store::Table* table : {&Tables().ru, &Tables().he, &Tables().en}) {
    EXPECT_FALSE(table->Filtered());
    EXPECT_EQ(Count(*table), 7);
  }
  EXPECT_EQ(Tables().ru.Filter(), "Select = '*'");
}

TEST_F(MeaningTest, DeleteRemovesTheThreeRecordsOfAMeaning) {
  test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("KEEP")});
  const test::MeaningIds ids = test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("GONE")});
  for (Language from : {Language::Russian, Language::Hebrew, Language::English}) {
    SCOPED_TRACE(static_cast<int>(from));
    const test::MeaningIds again = test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("G")});
    const dictionary::DeletePlan plan = dictionary::FindMeaningToDelete(Tables(), from);
    EXPECT_TRUE(plan.deleteRU && plan.deleteHE && plan.deleteEN);
    dictionary::DeleteMeaning(Tables(), plan);
    EXPECT_FALSE(Tables().ru.Locate("Id", again.ru));
    EXPECT_FALSE(Tables().he.Locate("id", again.he));
    EXPECT_FALSE(Tables().en.Locate("id", again.en));
  }
  EXPECT_EQ(Count(Tables().ru), 2);
  EXPECT_TRUE(Tables().ru.Locate("Id", ids.ru));
}

TEST_F(MeaningTest, DeleteRefusedOnItsLastRecordKeepsTheWholeMeaning) {
  const test::MeaningIds ids = test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("KEEP")});
  const dictionary::DeletePlan plan = dictionary::FindMeaningToDelete(Tables(), Language::Russian);
  const std::filesystem::path database = workspace.Data().DataFolder() / "vocamir.db";
  test::RefuseWrite(database, 1, "ENWORDS");
  EXPECT_THROW(dictionary::DeleteMeaning(Tables(), plan), store::Error);
  test::RefuseWrite(database, 0);
  EXPECT_EQ(test::QueryInteger(database, "SELECT count(*) FROM RUWORDS"), 1);
  EXPECT_EQ(test::QueryInteger(database, "SELECT count(*) FROM Hewords"), 1);
  EXPECT_TRUE(Tables().ru.Locate("Id", ids.ru));
  EXPECT_TRUE(Tables().he.Locate("id", ids.he));
}

TEST_F(MeaningTest, MarkRefusedOnItsLastRecordLeavesTheWholeMeaningUnmarked) {
  test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("KEEP")});
  const std::filesystem::path database = workspace.Data().DataFolder() / "vocamir.db";
  test::RefuseWrite(database, 1, "ENWORDS");
  EXPECT_THROW(dictionary::ToggleMeaningMark(Tables(), Language::Russian), store::Error);
  test::RefuseWrite(database, 0);
  EXPECT_EQ(test::QueryInteger(database, "SELECT count(*) FROM RUWORDS WHERE \"Select\" = '*'"), 0);
  EXPECT_EQ(Mark(Tables().ru), "");
  EXPECT_EQ(Mark(Tables().he), "");
}

TEST_F(MeaningTest, DeleteLeavesAPartnerTableAloneWhenItsRecordIsMissing) {
  test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("KEEP")});
  const test::MeaningIds ids = test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("GONE")});
  Tables().en.Locate("id", ids.en);
  Tables().en.Delete();
  Tables().ru.Locate("Id", ids.ru);
  const dictionary::DeletePlan plan = dictionary::FindMeaningToDelete(Tables(), Language::Russian);
  EXPECT_FALSE(plan.deleteEN);
  dictionary::DeleteMeaning(Tables(), plan);
  EXPECT_EQ(Count(Tables().ru), 1);
  EXPECT_EQ(Count(Tables().he), 1);
  EXPECT_EQ(Count(Tables().en), 1);
}

// A null link names nothing: its table loses no record, while the found partner goes.
TEST_F(MeaningTest, DeleteLeavesThePartnerOfANullLinkAlone) {
  const struct {
    Language from;
    const char* link;  // of the record deleted from, made null
    Language kept;
  } cases[] = {{Language::Russian, "IdHE", Language::Hebrew},
               {Language::Hebrew, "idEN", Language::English},
               {Language::English, "idRU", Language::Russian}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link);
    test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("KEEP")});
    test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("GONE")});
    store::Table& self = browser::TableOf(Tables(), c.from);
    self.Edit();
    self.FieldByName(c.link).Clear();
    self.Post();
    const dictionary::DeletePlan plan = dictionary::FindMeaningToDelete(Tables(), c.from);
    dictionary::DeleteMeaning(Tables(), plan);
    for (Language language : {Language::Russian, Language::Hebrew, Language::English}) {
      EXPECT_EQ(Count(browser::TableOf(Tables(), language)), language == c.kept ? 2 : 1)
          << static_cast<int>(language);
    }
    for (store::Table* table : {&Tables().ru, &Tables().he, &Tables().en}) {
      while (!table->IsEmpty()) table->Delete();
    }
  }
}

struct FilterCase {
  const char* part;
  int theme;
  const char* expected;
};

TEST(FilterTextTest, PartFilterWithAndWithoutTheme) {
  const FilterCase cases[] = {
      {"1", 3, "Part  = '1' and Topic = '2'"},   {"1", 0, "Part  = '1'"},
      {"2", 5, "Part  = '2' and Topic = '4'"},   {"5", -1, "Part  = '5'"},
      {"3", 15, "Part  = '3' and Topic = '14'"},
  };
  for (const FilterCase& c : cases) {
    EXPECT_EQ(browser::PartFilter(c.part, c.theme), c.expected) << c.part << " " << c.theme;
  }
}

TEST(FilterTextTest, ThemeAndOthersFilters) {
  EXPECT_EQ(browser::ThemeFilter(5), "Topic  = '4'");
  EXPECT_EQ(browser::ThemeFilter(1), "Topic  = '0'");
  EXPECT_EQ(browser::ThemeFilter(-1), "Topic  = '-2'");
  EXPECT_STREQ(browser::kOthersFilter,
               "Part <> '0' and Part <> '1' and Part <> '2' and Part <> '3' and Part <> '4' and "
               "Part <> '5'");
}

class FilterTablesTest : public MeaningTest {
 protected:
  void SetUp() override {
    test::AddBrowserDictionary(workspace.Data());
    test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("NULLPART")});
    test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("UNKNOWN"), .part = 0, .topic = 0});
  }
  void ExpectEveryTable(int count, const std::string& filter) {
    for (store::Table* table : {&Tables().ru, &Tables().he, &Tables().en}) {
      EXPECT_EQ(Count(*table), count) << table->TableName();
      EXPECT_EQ(table->Filter(), filter) << table->TableName();
      EXPECT_TRUE(table->Filtered());
      EXPECT_TRUE(table->Bof());
    }
  }
};

TEST_F(FilterTablesTest, PartFilterNarrowsAllThreeTables) {
  browser::ApplyPartFilter(Tables(), "1", 0);
  ExpectEveryTable(2, "Part  = '1'");
  browser::ApplyPartFilter(Tables(), "1", 5);
  ExpectEveryTable(1, "Part  = '1' and Topic = '4'");
}

TEST_F(FilterTablesTest, OthersExcludesUnknownAndNullParts) {
  browser::ApplyOthersFilter(Tables());
  ExpectEveryTable(1, browser::kOthersFilter);
  EXPECT_EQ(FieldText(Tables().ru, "Item"), QString::fromUtf8("ЧТО-ТО"));
}

TEST_F(FilterTablesTest, ApplyFiltersCombinesThemeWithPressedPart) {
  browser::ApplyFilters(Tables(), 5, std::nullopt);
  ExpectEveryTable(2, "Topic  = '4'");
  browser::ApplyFilters(Tables(), 5, "3");
  ExpectEveryTable(1, "Part  = '3' and Topic = '4'");
  browser::ApplyFilters(Tables(), -1, std::nullopt);
  ExpectEveryTable(0, "Topic  = '-2'");
  browser::ApplyFilters(Tables(), 0, std::nullopt);
  for (store::Table* table : {&Tables().ru, &Tables().he, &Tables().en}) {
    EXPECT_FALSE(table->Filtered());
    EXPECT_EQ(Count(*table), 10);
  }
}

TEST_F(FilterTablesTest, RemoveFiltersShowsEverythingFromTheFirstRecord) {
  browser::ApplyPartFilter(Tables(), "2", 0);
  browser::RemoveFilters(Tables());
  for (store::Table* table : {&Tables().ru, &Tables().he, &Tables().en}) {
    EXPECT_FALSE(table->Filtered());
    EXPECT_EQ(Count(*table), 10);
    EXPECT_TRUE(table->Bof());
  }
}

}  // namespace
