// Lesson assembly: the marked path and the selected-rows path, the fields copied, the marks.

#include <gtest/gtest.h>

#include "RefusedWrites.h"
#include "TestDictionary.h"
#include "dictionary/LessonMeanings.h"
#include "lesson/LessonAssembly.h"

namespace {

using lesson::Language;
using test::FieldText;

class AssemblyTest : public ::testing::Test {
 protected:
  dictionary::WordTables Tables() {
    TDataModul& data = workspace.Data();
    return {data.RUTable(), data.HETable(), data.ENTable()};
  }
  store::Table& Lessons() { return workspace.Data().SelWordTable(); }
  test::MeaningIds Add(const QString& word, bool marked, std::optional<int> part = 2) {
    return test::AddMeaning(workspace.Data(), {.ru = word + "-ru",
                                               .he = word + "-he",
                                               .en = word + "-en",
                                               .part = part,
                                               .marked = marked});
  }
  // The Russian words of the lesson list, in its order.
  std::vector<QString> LessonWords() {
    std::vector<QString> words;
    for (Lessons().First(); !Lessons().Eof(); Lessons().Next()) {
      words.push_back(FieldText(Lessons(), "ItemRU"));
    }
    return words;
  }
  QString MarkOf(store::Table& table, int id) {
    table.SetFiltered(false);
    EXPECT_TRUE(table.Locate("id", id));
    return FieldText(table, "Select");
  }
  std::vector<store::Bookmark> Rows(store::Table& table, std::initializer_list<int> ids) {
    std::vector<store::Bookmark> rows;
    for (int id : ids) {
      EXPECT_TRUE(table.Locate("id", id));
      rows.push_back(table.GetBookmark());
    }
    return rows;
  }

  test::TestWorkspace workspace;
};

TEST_F(AssemblyTest, MarkedMeaningsAreCopiedAndUnmarked) {
  const test::MeaningIds cat = Add("cat", true);
  Add("dog", false);
  const test::MeaningIds go = Add("go", true, 1);
  const test::MeaningIds big = Add("big", true, 3);

  EXPECT_EQ(lesson::AssembleLesson(Tables(), Language::Russian, {}, Lessons()), 3);

  EXPECT_EQ(LessonWords(), (std::vector<QString>{"cat-ru", "go-ru", "big-ru"}));
  for (const test::MeaningIds& ids : {cat, go, big}) {
    EXPECT_EQ(MarkOf(Tables().ru, ids.ru), "");
    EXPECT_EQ(MarkOf(Tables().he, ids.he), "");
    EXPECT_EQ(MarkOf(Tables().en, ids.en), "");
  }
  EXPECT_FALSE(Tables().ru.Filtered());
  EXPECT_EQ(Tables().ru.Filter(), "Select = '*'");
}

// Both paths remember the meaning of each lesson record, which the game's reviews are kept for.
TEST_F(AssemblyTest, EachLessonRecordRemembersItsMeaning) {
  const test::MeaningIds cat = Add("cat", true);
  const test::MeaningIds dog = Add("dog", false);
  lesson::AssembleLesson(Tables(), Language::Russian, {}, Lessons());
  lesson::AssembleLesson(Tables(), Language::English, Rows(Tables().en, {dog.en, cat.en}),
                         Lessons());
  dictionary::LessonMeanings origins(Lessons().Database());
  std::vector<std::optional<int>> meanings;
  for (Lessons().First(); !Lessons().Eof(); Lessons().Next()) {
    meanings.push_back(origins.MeaningOf(Lessons().GetBookmark().RecordKey));
  }
  EXPECT_EQ(meanings, (std::vector<std::optional<int>>{cat.ru, dog.ru, cat.ru}));
}

TEST_F(AssemblyTest, FieldsFollowTheMeaningAndOnlyVerbsGetTheirHebrewId) {
  const test::MeaningIds go = test::AddMeaning(workspace.Data(), {.ru = "idti",
                                                                  .he = "ktal",
                                                                  .en = "go",
                                                                  .part = 1,
                                                                  .marked = true,
                                                                  .ruHint = "idt'i",
                                                                  .heHint = "lal<ehet"});
  Add("cat", true, 2);
  lesson::AssembleLesson(Tables(), Language::Russian, {}, Lessons());

  store::Table& lessons = Lessons();
  lessons.First();
  EXPECT_EQ(FieldText(lessons, "ItemRU"), "idti");
  EXPECT_EQ(FieldText(lessons, "ItemHE"), "ktal");
  EXPECT_EQ(FieldText(lessons, "ItemEN"), "go");
  EXPECT_EQ(FieldText(lessons, "RussianSpeech"), "idt'i");
  EXPECT_EQ(FieldText(lessons, "HebrSpeech"), "lal<ehet");
  EXPECT_TRUE(lessons.FieldByName("EnglishSpeech").IsNull());
  EXPECT_EQ(lessons.FieldByName("Part").AsInteger(), 1);
  EXPECT_EQ(lessons.FieldByName("idHE").AsInteger(), go.he);
  EXPECT_EQ(FieldText(lessons, "Select"), "*");
  EXPECT_EQ(lessons.FieldByName("IndexAndestand").AsInteger(), 0);
  EXPECT_EQ(lessons.FieldByName("AndestandTwo").AsInteger(), 0);
  lessons.Next();
  EXPECT_EQ(lessons.FieldByName("Part").AsInteger(), 2);
  EXPECT_TRUE(lessons.FieldByName("idHE").IsNull());
}

TEST_F(AssemblyTest, NothingMarkedAndNoRowsAddsNothing) {
  Add("cat", false);
  EXPECT_EQ(lesson::AssembleLesson(Tables(), Language::Russian, {}, Lessons()), 0);
  EXPECT_TRUE(Lessons().IsEmpty());
}

TEST_F(AssemblyTest, OneSelectedRowIsIgnoredForTheMarks) {
  const test::MeaningIds cat = Add("cat", false);
  Add("dog", true);
  lesson::AssembleLesson(Tables(), Language::Russian, Rows(Tables().ru, {cat.ru}), Lessons());
  EXPECT_EQ(LessonWords(), (std::vector<QString>{"dog-ru"}));
}

TEST_F(AssemblyTest, SelectedRowsOnTheHebrewPageLeaveTheMarks) {
  std::vector<test::MeaningIds> marked;
  for (const char* word : {"a", "b", "c", "d", "e"}) marked.push_back(Add(word, true));
  const test::MeaningIds cat = Add("cat", false);
  const test::MeaningIds dog = Add("dog", false);

  EXPECT_EQ(lesson::AssembleLesson(Tables(), Language::Hebrew, Rows(Tables().he, {dog.he, cat.he}),
                                   Lessons()),
            2);

  EXPECT_EQ(LessonWords(), (std::vector<QString>{"dog-ru", "cat-ru"}));
  for (const test::MeaningIds& ids : marked) EXPECT_EQ(MarkOf(Tables().ru, ids.ru), "*");
}

TEST_F(AssemblyTest, SelectedRowsFromTheEnglishPageFindBothPartners) {
  const test::MeaningIds cat = Add("cat", false);
  const test::MeaningIds dog = Add("dog", false);
  lesson::AssembleLesson(Tables(), Language::English, Rows(Tables().en, {cat.en, dog.en}),
                         Lessons());
  Lessons().First();
  EXPECT_EQ(FieldText(Lessons(), "ItemRU"), "cat-ru");
  EXPECT_EQ(FieldText(Lessons(), "ItemHE"), "cat-he");
  EXPECT_EQ(FieldText(Lessons(), "ItemEN"), "cat-en");
}

TEST_F(AssemblyTest, WordsMarkedOnlyOnTheOtherPagesStayMarked) {
  const test::MeaningIds cat = Add("cat", false);
  for (store::Table* table : {&Tables().he, &Tables().en}) {
    table->Locate("id", table == &Tables().he ? cat.he : cat.en);
    table->Edit();
    table->FieldByName("Select").SetAsString("*");
    table->Post();
  }
  lesson::AssembleLesson(Tables(), Language::Russian, {}, Lessons());
  EXPECT_TRUE(Lessons().IsEmpty());
  EXPECT_EQ(MarkOf(Tables().he, cat.he), "*");
  EXPECT_EQ(MarkOf(Tables().en, cat.en), "*");
}

TEST_F(AssemblyTest, TheSameSelectionTwiceAddsItTwice) {
  const test::MeaningIds cat = Add("cat", false);
  const test::MeaningIds dog = Add("dog", false);
  for (int run = 0; run < 2; ++run) {
    lesson::AssembleLesson(Tables(), Language::Russian, Rows(Tables().ru, {cat.ru, dog.ru}),
                           Lessons());
  }
  EXPECT_EQ(LessonWords(), (std::vector<QString>{"cat-ru", "dog-ru", "cat-ru", "dog-ru"}));
}

TEST_F(AssemblyTest, AMissingPartnerLeavesItsLanguageEmpty) {
  const test::MeaningIds cat = Add("cat", true);
  Add("dog", true);
  Tables().he.Locate("id", cat.he);
  Tables().he.Delete();

  EXPECT_EQ(lesson::AssembleLesson(Tables(), Language::Russian, {}, Lessons()), 2);

  Lessons().First();
  EXPECT_EQ(FieldText(Lessons(), "ItemRU"), "cat-ru");
  EXPECT_TRUE(Lessons().FieldByName("ItemHE").IsNull());
  EXPECT_TRUE(Lessons().FieldByName("Part").IsNull());
  EXPECT_EQ(FieldText(Lessons(), "ItemEN"), "cat-en");
  EXPECT_EQ(MarkOf(Tables().ru, cat.ru), "");
}

struct RefusalCase {
  bool selected;  // the selected-rows path (marks untouched), else the marked path
  int write;      // the write of the second meaning's unit that is refused
};

class AssemblyRefusalTest : public AssemblyTest,
                            public ::testing::WithParamInterface<RefusalCase> {};

// A write the database refuses anywhere in a meaning's unit (its lesson record, then its three
// cleared marks) leaves that meaning as it was and keeps the one before it, on both paths.
TEST_P(AssemblyRefusalTest, LeavesItsMeaningWholeAndKeepsTheOnesBefore) {
  const RefusalCase c = GetParam();
  const int writesPerMeaning = c.selected ? 1 : 4;
  const test::MeaningIds first = Add("cat", true);
  const test::MeaningIds second = Add("dog", true);
  const std::vector<store::Bookmark> rows =
      c.selected ? Rows(Tables().ru, {first.ru, second.ru}) : std::vector<store::Bookmark>{};
  const auto database = workspace.Data().DataFolder() / "vocamir.db";
  test::RefuseWrite(database, writesPerMeaning + c.write);
  try {
    lesson::AssembleLesson(Tables(), Language::Russian, rows, Lessons());
    ADD_FAILURE() << "no error";
  } catch (const store::Error& error) {
    EXPECT_NE(std::string(error.what()).find("The lesson list is incomplete"), std::string::npos)
        << error.what();
  }
  test::RefuseWrite(database, 0);
  EXPECT_EQ(LessonWords(), (std::vector<QString>{"cat-ru"}));
  EXPECT_FALSE(Tables().ru.Filtered());
  const QString firstMark = c.selected ? "*" : "";
  EXPECT_EQ(MarkOf(Tables().ru, first.ru), firstMark);
  EXPECT_EQ(MarkOf(Tables().he, first.he), firstMark);
  EXPECT_EQ(MarkOf(Tables().ru, second.ru), "*");
  EXPECT_EQ(MarkOf(Tables().en, second.en), "*");
  EXPECT_EQ(MarkOf(Tables().he, second.he), "*");
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, AssemblyRefusalTest,
                         ::testing::Values(RefusalCase{false, 1}, RefusalCase{false, 2},
                                           RefusalCase{false, 3}, RefusalCase{false, 4},
                                           RefusalCase{true, 1}));

}  // namespace
