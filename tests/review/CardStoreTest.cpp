// The cards and the review log in the dictionary's database: stored, found, counted when due,
// removed with their meaning, and kept or undone together with the rest of a write unit.

#include <gtest/gtest.h>

#include <vector>

#include "RefusedWrites.h"
#include "TestDictionary.h"
#include "review/CardStore.h"
#include "store/Error.h"
#include "store/SqlitePersistence.h"
#include "store/WriteUnit.h"

namespace review {
namespace {

class CardStoreTest : public ::testing::Test {
 protected:
  store::SqlitePersistence& Database() { return workspace.Data().SelWordTable().Database(); }
  std::vector<LogRow> Log() {
    std::vector<LogRow> rows;
    cards.EachReview([&](const LogRow& row) { rows.push_back(row); });
    return rows;
  }

  test::TestWorkspace workspace;
  CardStore cards{Database()};
};

Card CardDue(int meaning, int direction, std::int64_t due) {
  return {meaning, direction, 2.5, 5.0, due - 2, due, 1, 0};
}

LogRow ReviewOf(const Card& card, std::int64_t time) {
  return {card.Meaning, card.Direction, time, 3, 0, card.Stability, card.Difficulty};
}

TEST_F(CardStoreTest, CardsAreStoredReplacedCountedAndRemovedWithTheirMeaning) {
  const std::vector<Card> stored = {CardDue(7, 0, 100), CardDue(7, 3, 105), CardDue(9, 0, 101),
                                    CardDue(12, 5, 99)};
  for (std::size_t i = 0; i < stored.size(); ++i) {
    cards.Store(stored[i], ReviewOf(stored[i], static_cast<std::int64_t>(1000 - i)));
  }
  EXPECT_EQ(cards.Find(7, 3), stored[1]);
  EXPECT_FALSE(cards.Find(7, 1).has_value());

  Card again = stored[0];
  again.Due = 102;
  again.Reviews = 2;
  cards.Store(again, ReviewOf(again, 2000));
  EXPECT_EQ(cards.Find(7, 0), again) << "one card per meaning and direction";
  ASSERT_EQ(Log().size(), 5u);
  EXPECT_EQ(Log().front().Meaning, 12) << "the log comes in time order";

  struct Due {
    std::int64_t day;
    std::int64_t count;
    std::vector<int> meanings;
  };
  for (const Due& due :
       {Due{98, 0, {}}, Due{99, 1, {12}}, Due{102, 3, {7, 9, 12}}, Due{105, 4, {7, 9, 12}}}) {
    EXPECT_EQ(cards.DueCount(due.day), due.count) << due.day;
    EXPECT_EQ(cards.DueMeanings(due.day), due.meanings) << due.day;
  }
}

TEST_F(CardStoreTest, DeletingTheRussianRecordDeletesTheMeaningsCardsAndLog) {
  const test::MeaningIds kept = test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("КОТ")});
  const test::MeaningIds gone = test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("ДОМ")});
  for (const int meaning : {kept.ru, gone.ru}) {
    for (const int direction : {0, 4}) {
      const Card card = CardDue(meaning, direction, 100);
      cards.Store(card, ReviewOf(card, 1000));
    }
  }
  store::Table& russian = workspace.Data().RUTable();
  russian.SetIndexName("id_index");
  ASSERT_TRUE(russian.FindKey(gone.ru));
  russian.Delete();
  EXPECT_FALSE(cards.Find(gone.ru, 0).has_value());
  EXPECT_EQ(cards.DueMeanings(100), std::vector<int>{kept.ru});
  EXPECT_EQ(Log().size(), 2u);
}

TEST_F(CardStoreTest, ARefusedWriteOfTheUnitLeavesCardLogAndCounterAsTheyWere) {
  store::Table& lessons = workspace.Data().SelWordTable();
  lessons.Insert();
  lessons.FieldByName("IndexAndestand").SetAsInteger(0);
  lessons.Post();
  const Card first = CardDue(7, 0, 100);
  cards.Store(first, ReviewOf(first, 1000));

  for (int refused : {1, 2, 3}) {                   // the counter, the card, the log row
    test::RefuseWrite(Database().File(), refused);  // counted from the counter on
    Card next = first;
    next.Reviews = 2;
    EXPECT_THROW(store::WriteUnit({&lessons}).Run([&] {
      lessons.Edit();
      lessons.FieldByName("IndexAndestand").SetAsInteger(1);
      lessons.Post();
      cards.Store(next, ReviewOf(next, 2000));
    }),
                 store::Error)
        << refused;
    test::RefuseWrite(Database().File(), 0);
    EXPECT_EQ(cards.Find(7, 0), first) << refused;
    EXPECT_EQ(Log().size(), 1u) << refused;
    EXPECT_EQ(lessons.FieldByName("IndexAndestand").AsInteger(), 0) << refused;
  }
}

// The card tables, their indexes and the trigger appear together: a creation that fails part of
// the way (here at an index whose name a table holds) leaves none of them.
TEST(CardStoreSchemaTest, ACreationFailingPartOfTheWayLeavesNoCardTable) {
  test::TestWorkspace workspace;
  store::SqlitePersistence& database = workspace.Data().SelWordTable().Database();
  test::QueryInteger(database.File(), "CREATE TABLE REVIEWLOG_Time (Taken INTEGER)");
  EXPECT_THROW(CardStore{database}, store::Error);
  EXPECT_EQ(test::QueryInteger(database.File(),
                               "SELECT count(*) FROM sqlite_master WHERE name IN ('CARDS', "
                               "'CARDS_Due', 'REVIEWLOG', 'REVIEWLOG_Meaning')"),
            0);
}

}  // namespace
}  // namespace review
