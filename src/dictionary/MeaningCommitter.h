#pragma once

// The seam every import hands its parsed meanings to: each becomes a new meaning of the
// dictionary (three linked word records and, for a verb, its two verb-form records), all of its
// words marked for the next lesson, unless its three words are in the dictionary already.

#include <string>
#include <unordered_set>

#include "dictionary/ParsedMeaning.h"
#include "dictionary/WordFields.h"

class TDataModul;

namespace dictionary {

class MeaningCommitter {
 public:
  // Switches the filters of the three word tables off: the check for words already there sees
  // the whole dictionary, not what a filter of the window leaves. The tables must be open and
  // stay unchanged by others until Finish: the committer reads their words once, here. Until
  // Finish the three tables stand in the order of their record keys with no other index kept,
  // so that each new record costs no index search.
  // `expected` is how many meanings are likely to be offered, for room made beforehand.
  explicit MeaningCommitter(TDataModul& data, int expected = 0);

  // Puts the Russian and English tables on `item_index` and the Hebrew table on `invert_index`,
  // each sorted once. Call it when the last meaning is offered.
  void Finish();

  // Takes `meaning` as a new meaning, in one write unit over the five tables, and returns true;
  // or refuses it and returns false when its Russian, English and Hebrew words are each in the
  // dictionary already (each looked up by itself, the Hebrew one by its reversal and its exact
  // bytes, so a pointed spelling is not the unpointed word; whether or not they belong to one
  // meaning; an empty word finds a record whose word is empty). Russian and English words are
  // compared as their `item_index` compares them, regardless of case. A meaning
  // committed before counts, so a meaning offered twice is refused the second time. A failing
  // table operation throws its store::Error and leaves nothing of `meaning` behind.
  bool Offer(const ParsedMeaning& meaning);

 private:
  // The words of the dictionary as the check compares them: Russian and English case folded,
  // Hebrew as the exact bytes of its reversal.
  struct WordKeys {
    std::string Russian, Hebrew, English;
  };
  static WordKeys KeysOf(const ParsedMeaning& meaning);
  bool IsInDictionary(const WordKeys& keys) const;
  void Commit(const ParsedMeaning& meaning);
  int AddRussian(const ParsedMeaning& meaning, int hebrewId, int englishId);
  int AddHebrew(const ParsedMeaning& meaning, int russianId, int englishId);
  int AddEnglish(const ParsedMeaning& meaning, int russianId, int hebrewId);
  void AddForms(const ParsedMeaning& meaning, int hebrewId);

  TDataModul& data_;
  WordFields fields_;
  std::unordered_set<std::string> russian_, hebrew_, english_;
  // The keys the next Hebrew and English records are expected to take.
  int nextHebrew_ = 1;
  int nextEnglish_ = 1;
};

}  // namespace dictionary
