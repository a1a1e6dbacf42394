// The incremental search on the three word tables, without a window.

#include <gtest/gtest.h>

#include "BrowserTestData.h"
#include "browser/DictionarySearch.h"
#include "store/Error.h"

namespace {

using browser::StatusTexts;
using test::FieldText;
using test::He;

class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override { test::AddBrowserDictionary(workspace.Data()); }

  browser::WordTables Tables() {
    TDataModul& data = workspace.Data();
    return {data.RUTable(), data.HETable(), data.ENTable()};
  }
  QString Word(store::Table& table) { return FieldText(table, "Item"); }

  test::TestWorkspace workspace;
};

struct RussianCase {
  const char* typed;
  const char* found;
  const char* hebrew;  // reading order
  const char* english;
};

TEST_F(SearchTest, RussianSearchJumpsToNearestWordAndShowsPartners) {
  const RussianCase cases[] = {
      {"К", "КНИГА", "ספר", "BOOK"},  {"КО", "КОТ", "חתול", "CAT"},
      {"ко", "КОТ", "חתול", "CAT"},   {"КОЗА", "КОТ", "חתול", "CAT"},
      {"", "БОЛЬШОЙ", "גדול", "BIG"}, {"И", "И", "ו", "AND"},
      {"ИД", "ИДТИ", "ללכת", "GO"},   {"Я", "ЧТО-ТО", "משהו", "SOMETHING"},
  };
  for (const RussianCase& c : cases) {
    SCOPED_TRACE(c.typed);
    const StatusTexts texts = browser::SearchRussian(Tables(), QString::fromUtf8(c.typed));
    EXPECT_EQ(Word(Tables().ru), QString::fromUtf8(c.found));
    EXPECT_EQ(texts.panel0, He(QString::fromUtf8(c.hebrew)));
    EXPECT_EQ(texts.panel1, QString::fromUtf8(c.english));
    EXPECT_EQ(Word(Tables().he), texts.panel0);
    EXPECT_EQ(Word(Tables().en), texts.panel1);
  }
}

TEST_F(SearchTest, RussianSearchOrdersRussianAlphabeticallyAndPartnersById) {
  browser::SearchRussian(Tables(), u"К");
  EXPECT_EQ(Tables().ru.IndexName(), "item_index");
  EXPECT_EQ(Tables().he.IndexName(), "id_index");
  EXPECT_EQ(Tables().en.IndexName(), "id_index");
}

TEST_F(SearchTest, EnglishSearchShowsRussianThenHebrew) {
  const StatusTexts texts = browser::SearchEnglish(Tables(), u"B");
  EXPECT_EQ(Word(Tables().en), "BIG");
  EXPECT_EQ(texts, (StatusTexts{QString::fromUtf8("БОЛЬШОЙ"), He(QString::fromUtf8("גדול"))}));
  EXPECT_EQ(browser::SearchEnglish(Tables(), u"").panel0, QString::fromUtf8("И"));  // "AND"
}

TEST_F(SearchTest, HebrewWordSearchUsesReadingOrderOfTheDisplayOrderBox) {
  // The box holds display order; "ל" then "כ" read as "לכ" is the box text "כל".
  auto texts = browser::SearchHebrewWord(Tables(), He(QString::fromUtf8("לכ")));
  ASSERT_TRUE(texts);
  EXPECT_EQ(Word(Tables().he), He(QString::fromUtf8("לכתוב")));
  EXPECT_EQ(*texts, (StatusTexts{QString::fromUtf8("ПИСАТЬ"), QStringLiteral("WRITE")}));

  texts = browser::SearchHebrewWord(Tables(), He(QString::fromUtf8("לל")));
  ASSERT_TRUE(texts);
  EXPECT_EQ(*texts, (StatusTexts{QString::fromUtf8("ИДТИ"), QStringLiteral("GO")}));
  EXPECT_EQ(Tables().he.IndexName(), "invert_index");
  EXPECT_EQ(Tables().ru.IndexName(), "id_index");
}

TEST_F(SearchTest, HebrewRootSearchStandsOnFirstWordOfTheRoot) {
  const auto texts = browser::SearchHebrewRoot(Tables(), He(QString::fromUtf8("כ")));
  ASSERT_TRUE(texts);
  EXPECT_EQ(Word(Tables().he), He(QString::fromUtf8("לכתוב")));
  EXPECT_EQ(texts->panel0, QString::fromUtf8("ПИСАТЬ"));
  EXPECT_EQ(Tables().he.IndexName(), "Root_index");
}

// A dictionary holding a pointed and an unpointed שלום and a word ending in a final form: the
// Hebrew indexes read the letters without points, final forms as their ordinary letters.
class PointedSearchTest : public SearchTest {
 protected:
  void SetUp() override {
    SearchTest::SetUp();
    const auto add = [this](const char* ru, const char* he, const char* root) {
      test::AddMeaning(workspace.Data(), {.ru = QString::fromUtf8(ru),
                                          .he = He(QString::fromUtf8(he)),
                                          .heRoot = He(QString::fromUtf8(root))});
    };
    add("МИР", "שלום", "שלם");
    add("ПРИВЕТ", "שָׁלוֹם", "שלם");
    add("ПОРОГ", "סף", "");
  }
};

TEST_F(PointedSearchTest, WordSearchFindsPointedAndUnpointedFormsAlike) {
  const struct {
    const char* typed;  // reading order
    const char* found;
  } cases[] = {
      {"שלום", "שָׁלוֹם"},  // the pointed form sorts first among equals
      {"שלומ", "שָׁלוֹם"},  // a final form is its ordinary letter
      {"שָׁלוֹם", "שָׁלוֹם"}, {"ספ", "סף"},
      {"ספר", "ספר"},   {"סץ", "שָׁלוֹם"},  // read as סצ: after סף and ספר
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ASSERT_TRUE(browser::SearchHebrewWord(Tables(), He(QString::fromUtf8(c.typed))));
    EXPECT_EQ(Word(Tables().he), He(QString::fromUtf8(c.found)));
  }
}

TEST_F(PointedSearchTest, WordOrderReadsLettersWithoutPoints) {
  browser::SearchHebrewWord(Tables(), He(QString::fromUtf8("א")));
  store::Table& he = Tables().he;
  QStringList order;
  for (he.First(); !he.Eof(); he.Next()) order << Word(he);
  QStringList expected;
  for (const char* word :
       {"בית", "גדול", "ו", "חתול", "לכתוב", "ללכת", "משהו", "סף", "ספר", "שָׁלוֹם", "שלום"}) {
    expected << He(QString::fromUtf8(word));
  }
  EXPECT_EQ(order, expected);
}

TEST_F(PointedSearchTest, RootSearchTypedWithoutTheFinalFormFindsTheRoot) {
  const auto texts = browser::SearchHebrewRoot(Tables(), He(QString::fromUtf8("שלמ")));
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->panel0, QString::fromUtf8("МИР"));  // the first of the root, by record key
  EXPECT_EQ(Tables().he.IndexName(), "Root_index");
}

TEST_F(SearchTest, EmptyHebrewBoxChangesNothing) {
  browser::SearchRussian(Tables(), u"КОТ");
  EXPECT_FALSE(browser::SearchHebrewWord(Tables(), u""));
  EXPECT_FALSE(browser::SearchHebrewRoot(Tables(), u""));
  EXPECT_EQ(Word(Tables().he), He(QString::fromUtf8("חתול")));
  EXPECT_EQ(Tables().he.IndexName(), "id_index");
}

TEST_F(SearchTest, EmptyPartnerWordShowsDashes) {
  test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("ZZ")});
  const StatusTexts texts = browser::SearchRussian(Tables(), u"ZZ");
  EXPECT_EQ(texts, (StatusTexts{browser::kNoWord, browser::kNoWord}));
}

TEST_F(SearchTest, EmptyLinkFieldFailsWithConversionErrorBeforeMovingPartners) {
  store::Table& ru = Tables().ru;
  ru.Insert();
  ru.FieldByName("Item").SetAsString("\xDF");  // "Я", sorts last
  ru.Post();
  browser::SearchRussian(Tables(), u"КОТ");
  EXPECT_THROW(browser::SearchRussian(Tables(), QString::fromUtf8("Я")), store::ConversionError);
  EXPECT_EQ(Word(Tables().he), He(QString::fromUtf8("חתול")));
}

TEST(SearchEmptyDictionaryTest, FindsNothingAndShowsDashes) {
  test::TestWorkspace workspace;
  TDataModul& data = workspace.Data();
  const browser::WordTables tables{data.RUTable(), data.HETable(), data.ENTable()};
  EXPECT_EQ(browser::SearchRussian(tables, u"К"),
            (StatusTexts{browser::kNoWord, browser::kNoWord}));
  EXPECT_EQ(*browser::SearchHebrewWord(tables, u"א"),
            (StatusTexts{browser::kNoWord, browser::kNoWord}));
}

}  // namespace
