#pragma once

// Which meaning each lesson-list record was copied from. The lesson list (SELEWORDS) keeps its
// own fields; the link lives in a table beside it, LESSONMEANINGS (lesson record key -> key of
// the meaning's Russian record), written by lesson assembly in the same write unit as the record
// and removed with the record by a trigger. Records assembled before the link existed are matched
// by their three words (MatchMeaning).

#include <cstdint>
#include <optional>
#include <string>

namespace store {
class SqlitePersistence;
}

namespace dictionary {

class LessonMeanings {
 public:
  // Creates the table and its trigger when they are missing and the database takes writes.
  // Throws store::Error when the database refuses otherwise.
  explicit LessonMeanings(store::SqlitePersistence& database);

  // Remembers that the lesson record with key `lessonKey` was copied from `meaning`.
  void Remember(std::int64_t lessonKey, int meaning);
  // The meaning the lesson record was copied from, when it was remembered.
  std::optional<int> MeaningOf(std::int64_t lessonKey) const;

 private:
  store::SqlitePersistence& database_;
  bool hasTable_ = false;
};

// The key of the Russian record of the meaning whose Russian, Hebrew and English words are
// exactly `russian`, `hebrew` and `english` (the stored bytes, as the lesson list copies them), as
// committed in the database, whatever filters the tables have on. When several meanings match,
// the one with the lowest key; nothing when none does or a word is empty.
std::optional<int> MatchMeaning(store::SqlitePersistence& database, const std::string& russian,
                                const std::string& hebrew, const std::string& english);

}  // namespace dictionary
