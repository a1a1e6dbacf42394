#include "review/GameReviews.h"

#include <QDateTime>
#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "store/Table.h"

namespace review {

namespace {

std::string TextOf(store::Table& table, const char* field) {
  const store::Field value = table.FieldByName(field);
  return value.IsNull() ? std::string() : value.AsString();
}

}  // namespace

std::int64_t SystemTime() { return QDateTime::currentSecsSinceEpoch(); }

std::int64_t DayOf(std::int64_t time) {
  return QDateTime::fromSecsSinceEpoch(time).date().toJulianDay();
}

GameReviews::GameReviews(store::SqlitePersistence& database, MemoryModel model, Clock clock)
    : database_(database),
      model_(model),
      clock_(std::move(clock)),
      cards_(database),
      origins_(database) {}

std::optional<int> GameReviews::MeaningOfRecord(store::Table& lessons) const {
  if (const std::optional<int> meaning = origins_.MeaningOf(lessons.GetBookmark().RecordKey)) {
    return meaning;
  }
  return dictionary::MatchMeaning(database_, TextOf(lessons, "ItemRU"), TextOf(lessons, "ItemHE"),
                                  TextOf(lessons, "ItemEN"));
}

bool GameReviews::Review(store::Table& lessons, int direction, Grade grade) {
  const std::optional<int> meaning = MeaningOfRecord(lessons);
  if (!meaning) return false;
  const std::int64_t time = clock_();
  const std::int64_t today = DayOf(time);

  Card card{*meaning, direction};
  int elapsed = 0;
  int scheduled = 0;
  MemoryState state{};
  if (const std::optional<Card> before = cards_.Find(*meaning, direction)) {
    card = *before;
    elapsed = static_cast<int>(std::max<std::int64_t>(0, today - before->LastReview));
    scheduled = static_cast<int>(before->Due - before->LastReview);
    state = model_.Next({before->Stability, before->Difficulty}, elapsed, grade);
    if (grade == Grade::Again) ++card.Lapses;
  } else {
    state = model_.First(grade);
  }
  card.Stability = state.Stability;
  card.Difficulty = state.Difficulty;
  card.LastReview = today;
  card.Due = today + model_.IntervalDays(state.Stability);
  ++card.Reviews;
  cards_.Store(card, {*meaning, direction, time, static_cast<int>(grade), elapsed, state.Stability,
                      state.Difficulty, scheduled});
  return true;
}

}  // namespace review
