#pragma once

// The learner's cards and the review log, in two tables of the dictionary's database beside the
// six: CARDS (one card per meaning and game direction) and REVIEWLOG (one row per review, from
// which every card can be rebuilt). They are created on first use and never read at start-up:
// every call goes to the database, on the tables' connection, so a write inside a write unit
// joins it. Deleting a meaning's Russian record deletes its cards and log rows with it (a trigger
// in the database). Days are whole day numbers (QDate::toJulianDay of the learner's local date);
// times are seconds since the epoch.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace store {
class SqlitePersistence;
}

namespace review {

// A meaning is named by the key of its Russian record; a direction by the game's number (0 to 5,
// in the order of its "Mode" menu).
struct Card {
  int Meaning = 0;
  int Direction = 0;
  double Stability = 0;
  double Difficulty = 0;
  std::int64_t LastReview = 0;  // day
  std::int64_t Due = 0;         // day
  int Reviews = 0;
  int Lapses = 0;

  bool operator==(const Card&) const = default;
};

struct LogRow {
  int Meaning = 0;
  int Direction = 0;
  std::int64_t Time = 0;
  int Grade = 0;         // 1 Again .. 4 Easy
  int ElapsedDays = 0;   // since the card's previous review, 0 for its first
  double Stability = 0;  // the card's state after this review
  double Difficulty = 0;
  int Scheduled = 0;  // the days the previous review gave until this one was due; 0 for a first

  bool operator==(const LogRow&) const = default;
};

class CardStore {
 public:
  // Creates the two tables and the trigger when they are missing (a database that refuses writes
  // gets none: it then simply has no cards). Throws store::Error when the database refuses
  // otherwise.
  explicit CardStore(store::SqlitePersistence& database);

  // Whether the database holds the card tables already (without creating them).
  static bool Exists(store::SqlitePersistence& database);
  // Whether this store has the card tables: false only for a database that refuses writes and
  // was made before cards existed.
  bool HasTables() const;

  std::optional<Card> Find(int meaning, int direction) const;

  // Stores `card` (replacing the card of its meaning and direction) and appends `review` to the
  // log. Throws store::Error (or ReadOnlyError) when the database refuses; inside a write unit
  // the unit then undoes both.
  void Store(const Card& card, const LogRow& review);

  // How many cards are due on `day` or before; the distinct meanings of those cards, by key.
  std::int64_t DueCount(std::int64_t day) const;
  std::vector<int> DueMeanings(std::int64_t day) const;

  // The meanings that have a card in any direction, by key.
  std::vector<int> MeaningsWithCards() const;

  // Every card; the whole log in time order (calls `row` for each).
  void EachCard(const std::function<void(const Card&)>& card) const;
  void EachReview(const std::function<void(const LogRow&)>& row) const;

 private:
  store::SqlitePersistence& database_;
  bool hasTables_ = false;  // false only for a read-only database made before cards existed
};

}  // namespace review
