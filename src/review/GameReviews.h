#pragma once

// What the typing game learns of an entry, kept as a review of its meaning's card in the game's
// direction. The game calls Review inside the write unit of its own counter, so the card, the
// log row and the counter are stored together or not at all.

#include <cstdint>
#include <functional>
#include <optional>

#include "dictionary/LessonMeanings.h"
#include "review/CardStore.h"
#include "review/Fsrs.h"

namespace store {
class SqlitePersistence;
class Table;
}  // namespace store

namespace review {

// Seconds since the epoch; the day of a time is the learner's local date.
using Clock = std::function<std::int64_t()>;
std::int64_t SystemTime();
std::int64_t DayOf(std::int64_t time);

class GameReviews {
 public:
  // Creates the card tables when they are missing. `database` must outlive this object.
  GameReviews(store::SqlitePersistence& database, MemoryModel model, Clock clock = SystemTime);

  // Reviews the card of the meaning the current record of the lesson list `lessons` was copied
  // from, in `direction` (0 to 5), with `grade`; the first review creates the card. The meaning
  // is the one assembly remembered for the record, or else the one its three words name; where
  // neither is known nothing is stored and false is returned. Throws store::Error when the
  // database refuses.
  bool Review(store::Table& lessons, int direction, Grade grade);

  const CardStore& Cards() const { return cards_; }

 private:
  std::optional<int> MeaningOfRecord(store::Table& lessons) const;

  store::SqlitePersistence& database_;
  MemoryModel model_;
  Clock clock_;
  CardStore cards_;
  dictionary::LessonMeanings origins_;
};

}  // namespace review
