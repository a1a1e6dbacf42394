// The check of the cards against their log: the cards the game wrote agree with the rebuild; a
// card changed behind the log's back, a card or log row without the other, and cards of a meaning
// that is gone are each reported.

#include <gtest/gtest.h>

#include "TestDictionary.h"
#include "dictionary/LessonMeanings.h"
#include "review/CardCheck.h"
#include "review/GameReviews.h"
#include "store/SqlStatement.h"
#include "store/SqlitePersistence.h"

namespace review {
namespace {

constexpr std::int64_t kMonday = 1796634000;  // 2026-12-07 09:00 UTC

TEST(CardCheckTest, CardsDisagreeingWithTheirLogOrMeaningsAreReported) {
  struct Case {
    const char* name;
    const char* tamper;  // SQL run on the database after the game's reviews
    const char* reported;
  };
  const Case cases[] = {
      {"sound", "", nullptr},
      {"changed", "UPDATE CARDS SET Stability = Stability + 1 WHERE Direction = 0",
       "The card of meaning 1 in direction 0 disagrees with its log"},
      {"interval", "UPDATE REVIEWLOG SET Scheduled = Scheduled + 1 WHERE Scheduled > 0",
       "The card of meaning 1 in direction 0 disagrees with its log"},
      {"no log", "DELETE FROM REVIEWLOG WHERE Direction = 3",
       "The card of meaning 1 in direction 3 has no reviews in the log."},
      {"no card", "DELETE FROM CARDS WHERE Direction = 3",
       "The log holds 2 reviews of meaning 1 in direction 3 without a card."},
      {"gone", "UPDATE CARDS SET Meaning = 99 WHERE Direction = 3",
       "Cards or reviews of meaning 99, which no longer exists."},
  };
  for (const Case& c : cases) {
    test::TestWorkspace workspace;
    TDataModul& data = workspace.Data();
    const int cat = test::AddMeaning(data, {.ru = "КОТ", .he = "לותח", .en = "CAT"}).ru;
    ASSERT_EQ(cat, 1);
    store::Table& lessons = data.SelWordTable();
    lessons.Insert();
    lessons.Post();
    store::SqlitePersistence& database = lessons.Database();
    dictionary::LessonMeanings(database).Remember(lessons.GetBookmark().RecordKey, cat);
    std::int64_t now = kMonday;
    GameReviews reviews(database, MemoryModel(), [&] { return now; });
    for (const auto& [day, grade] : {std::pair{0, Grade::Good}, std::pair{2, Grade::Again}}) {
      now = kMonday + day * 86400;
      for (const int direction : {0, 3}) ASSERT_TRUE(reviews.Review(lessons, direction, grade));
    }
    if (*c.tamper != '\0') store::SqlStatement(database, c.tamper).Run();

    const std::vector<std::string> problems = CheckCards(CardStore(database), MemoryModel(), {cat});
    if (c.reported == nullptr) {
      EXPECT_TRUE(problems.empty()) << c.name << ": " << problems.front();
      continue;
    }
    bool found = false;
    for (const std::string& problem : problems) found |= problem.rfind(c.reported, 0) == 0;
    EXPECT_TRUE(found) << c.name << ": " << (problems.empty() ? "none" : problems.front());
  }
}

}  // namespace
}  // namespace review
