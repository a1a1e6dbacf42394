#include "dictionary/LessonMeanings.h"

#include "store/SqlStatement.h"
#include "store/SqlitePersistence.h"
#include "text/Codepage.h"

namespace dictionary {

namespace {

constexpr char kCreateTable[] =
    "CREATE TABLE IF NOT EXISTS LESSONMEANINGS (Lesson INTEGER PRIMARY KEY, "
    "Meaning INTEGER NOT NULL)";
constexpr char kCreateTrigger[] =
    "CREATE TRIGGER IF NOT EXISTS LESSONMEANINGS_OfDeletedLesson AFTER DELETE ON SELEWORDS BEGIN "
    "DELETE FROM LESSONMEANINGS WHERE Lesson = old.rowid; END";

}  // namespace

LessonMeanings::LessonMeanings(store::SqlitePersistence& database) : database_(database) {
  if (!database_.RefusesWrites()) {
    for (const char* sql : {kCreateTable, kCreateTrigger})
      store::SqlStatement(database_, sql).Run();
  }
  store::SqlStatement table(
      database_,
      "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'LESSONMEANINGS'");
  hasTable_ = table.Step() && table.Integer(0) == 1;
}

void LessonMeanings::Remember(std::int64_t lessonKey, int meaning) {
  store::SqlStatement put(
      database_, "INSERT OR REPLACE INTO LESSONMEANINGS (Lesson, Meaning) VALUES (?1, ?2)");
  put.Bind(1, lessonKey).Bind(2, std::int64_t{meaning}).Run();
}

std::optional<int> LessonMeanings::MeaningOf(std::int64_t lessonKey) const {
  if (!hasTable_) return std::nullopt;
  store::SqlStatement find(database_, "SELECT Meaning FROM LESSONMEANINGS WHERE Lesson = ?1");
  find.Bind(1, lessonKey);
  if (!find.Step()) return std::nullopt;
  return static_cast<int>(find.Integer(0));
}

std::optional<int> MatchMeaning(store::SqlitePersistence& database, const std::string& russian,
                                const std::string& hebrew, const std::string& english) {
  if (russian.empty() || hebrew.empty() || english.empty()) return std::nullopt;
  store::SqlStatement match(
      database,
      "SELECT r.Id FROM RUWORDS r JOIN Hewords h ON h.id = r.IdHE "
      "JOIN ENWORDS e ON e.id = r.IdEN "
      "WHERE r.Item = ?1 AND h.Item = ?2 AND e.Item = ?3 ORDER BY r.Id LIMIT 1");
  match.Bind(1, text::ToUtf8(russian, text::Codepage::Win1251))
      .Bind(2, text::ToUtf8(hebrew, text::Codepage::Win1255))
      .Bind(3, text::ToUtf8(english, text::Codepage::Ascii));
  if (!match.Step()) return std::nullopt;
  return static_cast<int>(match.Integer(0));
}

}  // namespace dictionary
