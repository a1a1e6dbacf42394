// "Mark Due Words": the meanings with a card due, then new meanings in the Russian page's order,
// marked in all three records.

#include <gtest/gtest.h>

#include "TestDictionary.h"
#include "review/DueWords.h"
#include "store/SqlitePersistence.h"

namespace review {
namespace {

TEST(DueWordsTest, DueMeaningsAndNewOnesInPageOrderAreMarked) {
  test::TestWorkspace workspace;
  TDataModul& data = workspace.Data();
  const auto add = [&](const char* ru, const char* en) {
    return test::AddMeaning(data, {.ru = ru, .he = "אב", .en = en});
  };
  const test::MeaningIds due = add("ЯМА", "PIT");
  const test::MeaningIds later = add("ДОМ", "HOUSE");
  const test::MeaningIds fresh2 = add("ЛЕС", "WOOD");
  const test::MeaningIds fresh1 = add("БОР", "PINES");
  CardStore cards(data.RUTable().Database());
  for (const auto& [meaning, dueDay] : {std::pair{due.ru, 100}, std::pair{later.ru, 101}}) {
    cards.Store({meaning, 2, 1.0, 5.0, dueDay - 1, dueDay, 1, 0}, {meaning, 2, 0, 3, 0, 1.0, 5.0});
  }
  dictionary::WordTables tables{data.RUTable(), data.HETable(), data.ENTable()};
  data.RUTable().SetIndexName("item_index");

  struct Case {
    int newWords;
    std::vector<int> due, fresh;
  };
  for (const Case& c : {Case{0, {due.ru}, {}}, Case{1, {due.ru}, {fresh1.ru}},
                        Case{5, {due.ru}, {fresh1.ru, fresh2.ru}}}) {
    const DueWords words = FindDueWords(tables, cards, 100, c.newWords);
    EXPECT_EQ(words.Due, c.due) << c.newWords;
    EXPECT_EQ(words.New, c.fresh) << c.newWords;
  }

  EXPECT_EQ(MarkDueWords(tables, cards, 100, 1), 2);
  EXPECT_EQ(data.RUTable().IndexName(), "item_index") << "the page keeps its order";
  for (const test::MeaningIds& ids : {due, later, fresh1, fresh2}) {
    const bool marked = ids.ru == due.ru || ids.ru == fresh1.ru;
    for (const auto& [table, key] :
         {std::pair{&data.RUTable(), ids.ru}, std::pair{&data.HETable(), ids.he},
          std::pair{&data.ENTable(), ids.en}}) {
      ASSERT_TRUE(table->Locate("id", key));
      EXPECT_EQ(test::FieldText(*table, "Select"), marked ? "*" : "") << key;
    }
  }
}

}  // namespace
}  // namespace review
