// The game on a real lesson list, without a window: loading, presses, passes, counters, results.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "GameTestData.h"
#include "RefusedWrites.h"
#include "TestDictionary.h"
#include "game/TypingGame.h"
#include "review/CardStore.h"
#include "review/Progress.h"
#include "store/SqlitePersistence.h"

namespace {

using game::Direction;
using game::TypingGame;
using gametest::Entry;
using text::Language;

// Records what the game asks of its window.
struct RecordingSink : game::GameSink {
  void Speak(Language language, std::string text) override {
    spoken.emplace_back(language, std::move(text));
  }
  void PassFinished(int result) override { results.push_back(result); }
  void EntryUnreadable() override { ++unreadable; }

  std::vector<std::pair<Language, std::string>> spoken;
  std::vector<int> results;
  int unreadable = 0;
};

// 2026-12-07 09:00 UTC, a Monday; the reviews' days follow the local date.
constexpr std::int64_t kMonday = 1796634000;
constexpr std::int64_t kDay = 24 * 60 * 60;

// English keys by letter: the English layout types the legend of the key.
int EnglishKey(char letter) { return *game::KeyOfLegend(letter); }

class TypingGameTest : public ::testing::Test {
 protected:
  store::Table& List() { return workspace.Data().SelWordTable(); }

  // Fills the list and starts the game in `direction`; the first pass runs on "And_index".
  void Play(const std::vector<Entry>& entries, Direction direction = Direction::RussianEnglish) {
    for (const Entry& entry : entries) gametest::AddEntry(List(), entry);
    game.SetDirection(direction);
    List().SetIndexName("And_two_index");
    game.Start();
  }

  // Types `letters` on the English layout, then one press more that moves on.
  void TypeAndMoveOn(const std::string& letters) {
    for (const char letter : letters) game.PressKey(EnglishKey(letter));
    game.PressKey(EnglishKey('Q'));
  }

  int Counter(const char* field) { return List().FieldByName(field).AsInteger(); }

  // The card of the meaning `ru` in `direction`, reviewed by the game.
  std::optional<review::Card> CardOf(int ru, Direction direction) {
    return review::CardStore(List().Database()).Find(ru, static_cast<int>(direction));
  }

  test::TestWorkspace workspace;
  RecordingSink sink;
  std::int64_t now = kMonday;
  TypingGame game{workspace.Data().SelWordTable(), sink, [this] { return now; }};
};

TEST_F(TypingGameTest, DirectionDecidesFieldsLayoutAndStaysOverStart) {
  Play({{.ru = QStringLiteral("КОТ"), .he = QStringLiteral("לותח"), .en = QStringLiteral("CAT")}},
       Direction::EnglishHebrew);
  EXPECT_EQ(game.Shown(), "CAT");
  EXPECT_EQ(game.AnswerLength(), 4);
  EXPECT_EQ(game.ActiveLayout(), game::Layout::Hebrew);
  game.SetDirection(Direction::HebrewRussian);
  game.Start();
  EXPECT_EQ(game.CurrentDirection(), Direction::HebrewRussian);
  EXPECT_EQ(game.ActiveLayout(), game::Layout::Russian);
  EXPECT_EQ(game.Shown(), gametest::Bytes(QStringLiteral("לותח"), text::Codepage::Win1255));
}

TEST_F(TypingGameTest, TwelveRightAndFourWrongGiveSeventyFive) {
  Play({{.en = QStringLiteral("CAT")},
        {.en = QStringLiteral("DOG")},
        {.en = QStringLiteral("SUN")},
        {.en = QStringLiteral("SEA")}});
  TypeAndMoveOn("CAT");
  TypeAndMoveOn("XDOG");
  TypeAndMoveOn("XSXUN");
  EXPECT_EQ(game.RightPresses(), 9);
  EXPECT_EQ(game.WrongPresses(), 3);
  EXPECT_TRUE(sink.results.empty());
  TypeAndMoveOn("SEXA");
  ASSERT_EQ(sink.results, std::vector<int>{75});
  EXPECT_EQ(game::ResultText(75), "Ваш результат -75(%) из 100(%).");
  EXPECT_EQ(game.LastResult(), 75);
  EXPECT_EQ(game.WordsDone(), 0);
  EXPECT_EQ(game.RightPresses() + game.WrongPresses(), 0);
}

TEST_F(TypingGameTest, PressAfterTheLastLetterOnlyMovesOn) {
  Play({{.en = QStringLiteral("AB")}, {.en = QStringLiteral("CD")}});
  game.PressKey(EnglishKey('A'));
  game.PressKey(EnglishKey('B'));
  EXPECT_EQ(game.Revealed(), 2);
  game.PressKey(EnglishKey('Z'));
  EXPECT_EQ(game.RightPresses(), 2);
  EXPECT_EQ(game.WrongPresses(), 0);
  EXPECT_EQ(game.WordsDone(), 1);
  EXPECT_EQ(game.Mask(), "--");
}

TEST_F(TypingGameTest, FinishedAnswerIsSpokenInItsLanguage) {
  Play({{.ru = QStringLiteral("ДА"),
         .he = QStringLiteral("ןכ"),
         .en = QStringLiteral("YES"),
         .heHint = QStringLiteral("к<эн")}},
       Direction::RussianHebrew);
  game.PressKey(28);  // Hebrew "מ" is no letter of the answer
  EXPECT_TRUE(sink.spoken.empty());
  game.PressKey(15);  // "כ"
  EXPECT_TRUE(sink.spoken.empty());
  game.PressKey(8);  // "ן"
  const std::vector<std::pair<Language, std::string>> expected{
      {Language::Hebrew, gametest::Bytes(QStringLiteral("к<эн"), text::Codepage::Win1251)}};
  EXPECT_EQ(sink.spoken, expected);
}

TEST_F(TypingGameTest, SpeakItemsUseHintOrWrittenWord) {
  Play({{.ru = QStringLiteral("ДА"),
         .en = QStringLiteral("YES"),
         .enHint = QStringLiteral("yess")}});
  game.SpeakEntry(Language::Russian);
  game.SpeakEntry(Language::English);
  game.SpeakEntry(Language::Hebrew);
  const std::vector<std::pair<Language, std::string>> expected{
      {Language::Russian, gametest::Bytes(QStringLiteral("ДА"), text::Codepage::Win1251)},
      {Language::English, "yess"},
      {Language::Hebrew, " "}};
  EXPECT_EQ(sink.spoken, expected);
}

TEST_F(TypingGameTest, EmptyAnswerIsFinishedAtOnceAndNotSpoken) {
  Play({{.en = QString()}, {.en = QStringLiteral("GO")}});
  EXPECT_EQ(game.AnswerLength(), 0);
  game.PressKey(EnglishKey('G'));
  EXPECT_EQ(game.WordsDone(), 1);
  EXPECT_EQ(game.RightPresses(), 0);
  EXPECT_EQ(game.Mask(), "--");
  EXPECT_TRUE(sink.spoken.empty());
}

TEST_F(TypingGameTest, AnswerOfCharactersNoKeyTypesCanBeFinished) {
  Play({{.ru = QStringLiteral("ёлка 1")}, {.ru = QStringLiteral("ДОМ")}},
       Direction::EnglishRussian);
  EXPECT_EQ(game.Revealed(), game.AnswerLength());
  game.PressKey(1);
  EXPECT_EQ(game.WordsDone(), 1);
}

TEST_F(TypingGameTest, BlankAndHyphenAfterLoadAreMisses) {
  Play({{.en = QStringLiteral("UP-TO DATE")}});
  EXPECT_EQ(game.Revealed(), 2);
  game.PressKey(game::kSpaceBar);
  game.PressKey(33);
  EXPECT_EQ(game.WrongPresses(), 2);
  EXPECT_EQ(game.Revealed(), 2);
}

TEST_F(TypingGameTest, KeyWithoutLetterDoesNothing) {
  Play({{.ru = QStringLiteral("ДА"), .he = QStringLiteral("ןכ")}}, Direction::RussianHebrew);
  for (const int key : {1, 11, 22, 32}) game.PressKey(key);
  EXPECT_EQ(game.RightPresses() + game.WrongPresses(), 0);
  EXPECT_EQ(game.Revealed(), 0);
  EXPECT_EQ(game.WordsDone(), 0);
}

TEST_F(TypingGameTest, MissFreeEntryRaisesTheCounterOfTheOtherIndex) {
  Play({{.en = QStringLiteral("A")}, {.en = QStringLiteral("B")}});
  ASSERT_EQ(List().IndexName(), "And_index");
  game.PressKey(EnglishKey('A'));
  game.PressKey(EnglishKey('A'));  // moves on
  List().Prior();
  EXPECT_EQ(Counter("AndestandTwo"), 1);
  EXPECT_EQ(Counter("IndexAndestand"), 0);
}

TEST_F(TypingGameTest, RefusedCounterIsReportedAfterTheGameMovedOn) {
  Play({{.en = QStringLiteral("A")}, {.en = QStringLiteral("B")}});
  test::RefuseWrite(workspace.Data().DataFolder() / "vocamir.db", 1);
  game.PressKey(EnglishKey('A'));
  EXPECT_THROW(game.PressKey(EnglishKey('A')), store::Error);
  test::RefuseWrite(workspace.Data().DataFolder() / "vocamir.db", 0);
  EXPECT_EQ(game.WordsDone(), 1);
  EXPECT_EQ(List().FieldByName("ItemEN").AsString(), "B");
  EXPECT_EQ(game.Revealed(), 0);
  EXPECT_EQ(List().State(), store::TableState::Browse);
  List().Prior();
  EXPECT_EQ(Counter("AndestandTwo"), 0);
}

// Every finished entry reviews its meaning's card in the game's direction, graded by its misses:
// none Good, at most a quarter of its presses Hard, more Again. The meaning is found by the
// entry's three words when assembly did not remember it.
TEST_F(TypingGameTest, FinishedEntriesReviewTheirCardsGradedByMisses) {
  struct Case {
    const char* word;
    const char* typed;  // then one press that moves on
    review::Grade grade;
  };
  const Case cases[] = {{"CAT", "CAT", review::Grade::Good},
                        {"DOGS", "DOGXS", review::Grade::Hard},
                        {"SUN", "SXXUN", review::Grade::Again}};
  std::vector<Entry> entries;
  std::vector<int> meanings;
  for (const Case& c : cases) {
    const QString ru = QStringLiteral("РУ") + c.word;
    const QString he = QStringLiteral("אב");
    meanings.push_back(test::AddMeaning(workspace.Data(), {.ru = ru, .he = he, .en = c.word}).ru);
    entries.push_back({.ru = ru, .he = he, .en = c.word});
  }
  Play(entries);
  for (const Case& c : cases) TypeAndMoveOn(c.typed);

  std::vector<int> grades;
  review::CardStore(List().Database()).EachReview([&](const review::LogRow& row) {
    grades.push_back(row.Grade);
  });
  EXPECT_EQ(grades, (std::vector<int>{3, 2, 1}));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::optional<review::Card> card = CardOf(meanings[i], Direction::RussianEnglish);
    ASSERT_TRUE(card.has_value()) << cases[i].word;
    EXPECT_EQ(card->Reviews, 1);
    EXPECT_FALSE(CardOf(meanings[i], Direction::EnglishRussian).has_value());
  }
}

// A week of play on a test clock, reviews on days 0, 1, 3 and 8: a Hard start is due the next
// day, a lapse on that day brings it back within a day, then the memory grows again. The figures
// of progress read from the game's own rows on day 8: three of the reviews came when the card was
// due (day 1 missed, days 3 and 8 recalled), the next review is due on day 15.
TEST_F(TypingGameTest, AWeekOfReviewsMovesTheDueDayAndMakesTheProgressFigures) {
  const int cat = test::AddMeaning(workspace.Data(), {.ru = "КОТ", .he = "לותח", .en = "CAT"}).ru;
  Play({{.ru = "КОТ", .he = "לותח", .en = "CAT"}});
  const std::int64_t monday = review::DayOf(kMonday);
  struct Review {
    int day;
    const char* typed;
    int due;  // days after Monday
    int lapses;
  };
  for (const Review& r : {Review{0, "CXAT", 1, 0}, Review{1, "CXXXAT", 2, 1},
                          Review{3, "CAT", 5, 1}, Review{8, "CAT", 15, 1}}) {
    now = kMonday + r.day * kDay;
    TypeAndMoveOn(r.typed);
    const std::optional<review::Card> card = CardOf(cat, Direction::RussianEnglish);
    ASSERT_TRUE(card.has_value());
    EXPECT_EQ(card->LastReview - monday, r.day);
    EXPECT_EQ(card->Due - monday, r.due) << "day " << r.day;
    EXPECT_EQ(card->Lapses, r.lapses) << "day " << r.day;
  }

  const review::Progress progress =
      review::ComputeProgress(List().Database(), review::MemoryModel(), monday + 8);
  // The last week is days 2 to 8, the one before ends on day 1.
  const std::vector<review::WeekRetention> weeks(progress.Weeks.end() - 2, progress.Weeks.end());
  EXPECT_EQ(weeks, (std::vector<review::WeekRetention>{{.FirstDay = monday - 5, .DueReviews = 1},
                                                       {.FirstDay = monday + 2,
                                                        .DueReviews = 2,
                                                        .Recalled = 2}}));
  EXPECT_EQ(std::vector<int>(progress.ReviewsPerDay.end() - 9, progress.ReviewsPerDay.end()),
            (std::vector<int>{1, 1, 0, 1, 0, 0, 0, 0, 1}));
  std::vector<int> forecast(review::kForecastDays);
  forecast[7] = 1;
  EXPECT_EQ(progress.DuePerDay, forecast);
  EXPECT_EQ(progress.Streak, 1);
  EXPECT_EQ(progress.LearningCards, 1);
  EXPECT_EQ(progress.NewCards, review::kDirections - 1);
}

TEST_F(TypingGameTest, ARefusedReviewLeavesCardAndCounterAsTheyWere) {
  const int cat = test::AddMeaning(workspace.Data(), {.ru = "КОТ", .he = "לותח", .en = "CAT"}).ru;
  Play({{.ru = "КОТ", .he = "לותח", .en = "CAT"}, {.en = "DOG"}});
  TypeAndMoveOn("CAT");  // the card tables exist from here
  const review::Card before = *CardOf(cat, Direction::RussianEnglish);
  game.NewPass();
  game.NewPass();                                                      // "And_index" again, on CAT
  test::RefuseWrite(workspace.Data().DataFolder() / "vocamir.db", 2);  // the card
  for (const char letter : std::string("CAT")) game.PressKey(EnglishKey(letter));
  EXPECT_THROW(game.PressKey(EnglishKey('Q')), store::Error);
  test::RefuseWrite(workspace.Data().DataFolder() / "vocamir.db", 0);
  EXPECT_EQ(CardOf(cat, Direction::RussianEnglish), before);
  List().Prior();
  EXPECT_EQ(Counter("AndestandTwo"), 1) << "the first pass's count only";
}

TEST_F(TypingGameTest, EntryWithAMissRaisesNoCounter) {
  Play({{.en = QStringLiteral("A")}, {.en = QStringLiteral("B")}});
  game.PressKey(EnglishKey('Z'));
  game.PressKey(EnglishKey('A'));
  game.PressKey(EnglishKey('A'));
  List().Prior();
  EXPECT_EQ(Counter("AndestandTwo"), 0);
  EXPECT_EQ(Counter("IndexAndestand"), 0);
}

TEST_F(TypingGameTest, IndexAlternatesBetweenPassesAndSecondPassRaisesTheOtherCounter) {
  Play({{.en = QStringLiteral("A")}});
  EXPECT_EQ(List().IndexName(), "And_index");
  TypeAndMoveOn("A");
  EXPECT_EQ(List().IndexName(), "And_two_index");
  EXPECT_EQ(Counter("AndestandTwo"), 1);
  TypeAndMoveOn("A");
  EXPECT_EQ(List().IndexName(), "And_index");
  EXPECT_EQ(Counter("IndexAndestand"), 1);
  EXPECT_EQ(sink.results, (std::vector<int>{100, 100}));
}

TEST_F(TypingGameTest, NullCounterIsRaisedFromZero) {
  Play({{.en = QStringLiteral("A")}});
  List().Edit();
  List().FieldByName("AndestandTwo").Clear();
  List().Post();
  TypeAndMoveOn("A");
  EXPECT_EQ(Counter("AndestandTwo"), 1);
}

TEST_F(TypingGameTest, PassWithoutCountedPressesShowsZero) {
  Play({{.en = QString()}, {.en = QStringLiteral("123")}});
  game.PressKey(EnglishKey('A'));
  game.PressKey(EnglishKey('A'));
  EXPECT_EQ(sink.results, std::vector<int>{0});
  EXPECT_EQ(game.LastResult(), 0);
}

TEST_F(TypingGameTest, NullFieldsReadAsEmptyText) {
  List().Insert();
  List().FieldByName("ItemRU").SetAsString(
      gametest::Bytes(QStringLiteral("ДА"), text::Codepage::Win1251));
  List().Post();
  game.SetDirection(Direction::EnglishRussian);
  game.Start();
  EXPECT_EQ(game.Shown(), "");
  EXPECT_EQ(game.AnswerLength(), 2);
  EXPECT_EQ(sink.unreadable, 0);
}

TEST_F(TypingGameTest, EmptyListIgnoresPresses) {
  game.Start();
  game.PressKey(EnglishKey('A'));
  EXPECT_EQ(game.WordsDone(), 0);
  EXPECT_TRUE(List().IsEmpty());
  EXPECT_TRUE(sink.results.empty());
}

// A lesson list lacking the Hebrew word: the entry cannot be read at all in a Hebrew direction.
TEST(TypingGameFailureTest, UnreadableEntryIsReportedAndPassedOver) {
  QTemporaryDir folder;
  store::SqlitePersistence database(folder.filePath(QStringLiteral("t.db")).toStdString());
  using store::FieldType;
  using store::TextEncoding;
  store::Table list({"SELEWORDS",
                     {{"ItemRU", FieldType::String, TextEncoding::Cp1251},
                      {"ItemEN", FieldType::String, TextEncoding::Ascii},
                      {"IndexAndestand", FieldType::Integer, TextEncoding::Ascii},
                      {"AndestandTwo", FieldType::Integer, TextEncoding::Ascii}},
                     {{"And_index", "IndexAndestand"}, {"And_two_index", "AndestandTwo"}},
                     "AndestandTwo"});
  list.Open(database);
  for (const char* word : {"A", "B"}) {
    list.Insert();
    list.FieldByName("ItemEN").SetAsString(word);
    list.Post();
  }
  RecordingSink sink;
  TypingGame game(list, sink);
  game.SetDirection(Direction::EnglishHebrew);
  EXPECT_EQ(sink.unreadable, 1);
  EXPECT_EQ(game.Shown(), "");
  EXPECT_EQ(game.AnswerLength(), 0);
  game.Start();
  game.PressKey(3);
  EXPECT_EQ(game.WordsDone(), 1);
  list.Prior();
  EXPECT_TRUE(list.FieldByName("AndestandTwo").IsNull());
}

}  // namespace
