// The meaning of a lesson record: remembered by assembly, gone with the record, and matched by the
// three words for records assembled before.

#include <gtest/gtest.h>

#include "TestDictionary.h"
#include "dictionary/LessonMeanings.h"
#include "store/SqlitePersistence.h"
#include "text/Codepage.h"

namespace dictionary {
namespace {

TEST(LessonMeaningsTest, ARememberedMeaningGoesWithItsLessonRecord) {
  test::TestWorkspace workspace;
  store::Table& lessons = workspace.Data().SelWordTable();
  LessonMeanings origins(lessons.Database());
  std::vector<std::int64_t> keys;
  for (int meaning : {11, 12}) {
    lessons.Insert();
    lessons.Post();
    keys.push_back(lessons.GetBookmark().RecordKey);
    origins.Remember(keys.back(), meaning);
  }
  lessons.GotoBookmark({keys[0]});
  lessons.Delete();
  EXPECT_FALSE(origins.MeaningOf(keys[0]).has_value());
  EXPECT_EQ(origins.MeaningOf(keys[1]), 12);
}

TEST(LessonMeaningsTest, OldRecordsAreMatchedByAllThreeWords) {
  test::TestWorkspace workspace;
  TDataModul& data = workspace.Data();
  const test::MeaningIds cat = test::AddMeaning(data, {.ru = "КОТ", .he = "לותח", .en = "CAT"});
  const test::MeaningIds tomcat =
      test::AddMeaning(data, {.ru = "КОТ", .he = "לותח", .en = "TOMCAT"});
  data.RUTable().SetFilter("Item = 'НЕТ'");
  data.RUTable().SetFiltered(true);  // a filter of the browser hides nothing from the match

  struct Case {
    QString ru, he, en;
    std::optional<int> meaning;
  };
  const Case cases[] = {
      {"КОТ", "לותח", "CAT", cat.ru},       {"КОТ", "לותח", "TOMCAT", tomcat.ru},
      {"кот", "לותח", "CAT", std::nullopt},  // exact words only
      {"КОТ", "", "CAT", std::nullopt},      // a lesson record without its Hebrew word
      {"ПЁС", "לותח", "CAT", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(
        MatchMeaning(data.RUTable().Database(), text::FromUnicode(c.ru, text::Codepage::Win1251),
                     text::FromUnicode(c.he, text::Codepage::Win1255),
                     text::FromUnicode(c.en, text::Codepage::Ascii)),
        c.meaning)
        << c.en.toStdString();
  }
}

}  // namespace
}  // namespace dictionary
