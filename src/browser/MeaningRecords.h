#pragma once

// The three records of one meaning: the current record of one word table and its two partners,
// located by their key field from the record's link fields. Used by the commands that change the
// lesson mark of a whole meaning.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "browser/WordTables.h"

namespace browser {

inline constexpr char kMarkField[] = "Select";
inline constexpr char kMark[] = "*";

class MeaningRecords {
 public:
  // REQUIRES: `language`'s table stands on a record.
  MeaningRecords(const WordTables& tables, Language language);

  // Moves each partner table to the record whose key is the link's value. A partner whose link
  // is empty, or whose record does not exist (or does not pass the filter), is not found: its
  // table does not move and the meaning's commands leave it alone.
  void LocatePartners();
  bool Found(Language language) const;

  // Puts the found records into edit state, writes `mark` into their Select field and posts them
  // in `postOrder`.
  void SetMark(std::string_view mark, std::initializer_list<Language> postOrder = {
                                          Language::Russian, Language::Hebrew, Language::English});

 private:
  static std::size_t Slot(Language language) { return static_cast<std::size_t>(language) - 1; }

  WordTables tables_;
  Language language_;
  std::array<bool, 3> found_{};  // by language, Russian first
};

}  // namespace browser
