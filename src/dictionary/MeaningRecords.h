#pragma once

// Finding the records of one meaning from one of them: the current record of one word table and
// its two partners, reached through the record's link fields.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "dictionary/WordTables.h"

namespace dictionary {

// The three records of the meaning of `language`'s current record. Used by the commands that
// change the lesson mark of a whole meaning.
class MeaningRecords {
 public:
  // REQUIRES: `language`'s table stands on a record.
  MeaningRecords(const WordTables& tables, Language language);

  // Moves each partner table to the record whose key is the link's value. A partner whose link
  // is empty, or whose record does not exist (or does not pass the filter), is not found: its
  // table does not move and the meaning's commands leave it alone.
  void LocatePartners();
  bool Found(Language language) const;

  // Puts the found records into edit state, writes `mark` into their mark field and posts them
  // in `postOrder`, as one write unit: a refused write leaves the meaning's marks as they were.
  void SetMark(std::string_view mark, std::initializer_list<Language> postOrder = {
                                          Language::Russian, Language::Hebrew, Language::English});

 private:
  static std::size_t Slot(Language language) { return static_cast<std::size_t>(language) - 1; }

  WordTables tables_;
  Language language_;
  std::array<bool, 3> found_{};  // by language, Russian first
};

// Moves the other two word tables to the partners of the current record of `language`'s table by
// locating its link fields in their key fields; a partner hidden by its table's filter is looked
// for again with that filter off. A partner not found leaves its table where it was; nothing moves
// when `language`'s table is empty. Both partners are looked for, also when the first is not
// found. Returns whether the table has a current record and both partners were found.
bool MoveToPartners(const WordTables& tables, Language language);

}  // namespace dictionary
