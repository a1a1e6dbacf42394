#include "review/CardStore.h"

#include "store/SqlStatement.h"
#include "store/SqlitePersistence.h"

namespace review {

namespace {

constexpr char kCreateCards[] =
    "CREATE TABLE IF NOT EXISTS CARDS (Meaning INTEGER NOT NULL, Direction INTEGER NOT NULL, "
    "Stability REAL NOT NULL, Difficulty REAL NOT NULL, LastReview INTEGER NOT NULL, "
    "Due INTEGER NOT NULL, Reviews INTEGER NOT NULL, Lapses INTEGER NOT NULL, "
    "PRIMARY KEY (Meaning, Direction))";
constexpr char kCreateCardsDue[] = "CREATE INDEX IF NOT EXISTS CARDS_Due ON CARDS (Due)";
constexpr char kCreateLog[] =
    "CREATE TABLE IF NOT EXISTS REVIEWLOG (Id INTEGER PRIMARY KEY, Meaning INTEGER NOT NULL, "
    "Direction INTEGER NOT NULL, Time INTEGER NOT NULL, Grade INTEGER NOT NULL, "
    "ElapsedDays INTEGER NOT NULL, Stability REAL NOT NULL, Difficulty REAL NOT NULL, "
    "Scheduled INTEGER NOT NULL)";
constexpr char kCreateLogMeaning[] =
    "CREATE INDEX IF NOT EXISTS REVIEWLOG_Meaning ON REVIEWLOG (Meaning)";
// For the progress figures: the reviews of a span of days, and a card's review before a given one
// (its stability read from the index alone).
constexpr char kCreateLogTime[] = "CREATE INDEX IF NOT EXISTS REVIEWLOG_Time ON REVIEWLOG (Time)";

// A meaning is gone with its Russian record: its cards and log rows go in the same transaction.
constexpr char kCreateDeleteTrigger[] =
    "CREATE TRIGGER IF NOT EXISTS CARDS_OfDeletedMeaning AFTER DELETE ON RUWORDS BEGIN "
    "DELETE FROM CARDS WHERE Meaning = old.Id; DELETE FROM REVIEWLOG WHERE Meaning = old.Id; END";

constexpr char kCardColumns[] =
    "Meaning, Direction, Stability, Difficulty, LastReview, Due, Reviews, Lapses";

Card CardOf(const store::SqlStatement& row) {
  return {static_cast<int>(row.Integer(0)),
          static_cast<int>(row.Integer(1)),
          row.Real(2),
          row.Real(3),
          row.Integer(4),
          row.Integer(5),
          static_cast<int>(row.Integer(6)),
          static_cast<int>(row.Integer(7))};
}

}  // namespace

CardStore::CardStore(store::SqlitePersistence& database) : database_(database) {
  if (!database_.RefusesWrites()) {
    // The tables, their indexes and the trigger appear together: a crash never leaves cards
    // without their log or without the trigger that removes them with their meaning.
    database_.BeginUnit();
    try {
      for (const char* sql : {kCreateCards, kCreateCardsDue, kCreateLog, kCreateLogMeaning,
                              kCreateLogTime, kCreateDeleteTrigger}) {
        store::SqlStatement(database_, sql).Run();
      }
      database_.CommitUnit();
    } catch (...) {
      database_.RollbackUnit();
      throw;
    }
  }
  hasTables_ = Exists(database_);
}

bool CardStore::Exists(store::SqlitePersistence& database) {
  store::SqlStatement tables(database,
                             "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                             "name IN ('CARDS', 'REVIEWLOG')");
  return tables.Step() && tables.Integer(0) == 2;
}

bool CardStore::HasTables() const { return hasTables_; }

std::optional<Card> CardStore::Find(int meaning, int direction) const {
  if (!hasTables_) return std::nullopt;
  store::SqlStatement find(database_, std::string("SELECT ") + kCardColumns +
                                          " FROM CARDS WHERE Meaning = ?1 AND Direction = ?2");
  find.Bind(1, std::int64_t{meaning}).Bind(2, std::int64_t{direction});
  if (!find.Step()) return std::nullopt;
  return CardOf(find);
}

void CardStore::Store(const Card& card, const LogRow& review) {
  store::SqlStatement put(database_, std::string("INSERT OR REPLACE INTO CARDS (") + kCardColumns +
                                         ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
  put.Bind(1, std::int64_t{card.Meaning})
      .Bind(2, std::int64_t{card.Direction})
      .Bind(3, card.Stability)
      .Bind(4, card.Difficulty)
      .Bind(5, card.LastReview)
      .Bind(6, card.Due)
      .Bind(7, std::int64_t{card.Reviews})
      .Bind(8, std::int64_t{card.Lapses});
  store::SqlStatement log(
      database_,
      "INSERT INTO REVIEWLOG (Meaning, Direction, Time, Grade, ElapsedDays, "
      "Stability, Difficulty, Scheduled) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
  log.Bind(1, std::int64_t{review.Meaning})
      .Bind(2, std::int64_t{review.Direction})
      .Bind(3, review.Time)
      .Bind(4, std::int64_t{review.Grade})
      .Bind(5, std::int64_t{review.ElapsedDays})
      .Bind(6, review.Stability)
      .Bind(7, review.Difficulty)
      .Bind(8, std::int64_t{review.Scheduled});
  put.Run();
  log.Run();
}

std::int64_t CardStore::DueCount(std::int64_t day) const {
  if (!hasTables_) return 0;
  store::SqlStatement count(database_, "SELECT count(*) FROM CARDS WHERE Due <= ?1");
  count.Bind(1, day);
  return count.Step() ? count.Integer(0) : 0;
}

std::vector<int> CardStore::DueMeanings(std::int64_t day) const {
  std::vector<int> meanings;
  if (!hasTables_) return meanings;
  store::SqlStatement due(database_,
                          "SELECT DISTINCT Meaning FROM CARDS WHERE Due <= ?1 ORDER BY Meaning");
  due.Bind(1, day);
  while (due.Step()) meanings.push_back(static_cast<int>(due.Integer(0)));
  return meanings;
}

std::vector<int> CardStore::MeaningsWithCards() const {
  std::vector<int> meanings;
  if (!hasTables_) return meanings;
  store::SqlStatement all(database_, "SELECT DISTINCT Meaning FROM CARDS ORDER BY Meaning");
  while (all.Step()) meanings.push_back(static_cast<int>(all.Integer(0)));
  return meanings;
}

void CardStore::EachCard(const std::function<void(const Card&)>& card) const {
  if (!hasTables_) return;
  store::SqlStatement all(
      database_, std::string("SELECT ") + kCardColumns + " FROM CARDS ORDER BY Meaning, Direction");
  while (all.Step()) card(CardOf(all));
}

void CardStore::EachReview(const std::function<void(const LogRow&)>& row) const {
  if (!hasTables_) return;
  store::SqlStatement all(database_,
                          "SELECT Meaning, Direction, Time, Grade, ElapsedDays, Stability, "
                          "Difficulty, Scheduled FROM REVIEWLOG ORDER BY Time, Id");
  while (all.Step()) {
    row({static_cast<int>(all.Integer(0)), static_cast<int>(all.Integer(1)), all.Integer(2),
         static_cast<int>(all.Integer(3)), static_cast<int>(all.Integer(4)), all.Real(5),
         all.Real(6), static_cast<int>(all.Integer(7))});
  }
}

}  // namespace review
