#pragma once

// The seam every import hands its parsed meanings to: each becomes a new meaning of the
// dictionary (three linked word records and, for a verb, its two verb-form records), all of its
// words marked for the next lesson, unless its three words are in the dictionary already.

#include "dictionary/ParsedMeaning.h"
#include "dictionary/WordFields.h"

class TDataModul;

namespace dictionary {

class MeaningCommitter {
 public:
  // Switches the filters of the three word tables off: the check for words already there sees
  // the whole dictionary, not what a filter of the window leaves. The tables must be open.
  explicit MeaningCommitter(TDataModul& data);

  // Takes `meaning` as a new meaning, in one write unit over the five tables, and returns true;
  // or refuses it and returns false when its Russian, English and Hebrew words are each in the
  // dictionary already (each looked up by itself, the Hebrew one by its reversal and its exact
  // bytes, so a pointed spelling is not the unpointed word; whether or not they belong to one
  // meaning; an empty word finds a record whose word is empty). A meaning
  // committed before counts, so a meaning offered twice is refused the second time. The lookups
  // leave the Russian and English tables on `item_index` and the Hebrew table on
  // `invert_index`. A failing table operation throws its store::Error and leaves nothing of
  // `meaning` behind.
  bool Offer(const ParsedMeaning& meaning);

 private:
  bool IsInDictionary(const ParsedMeaning& meaning);
  void Commit(const ParsedMeaning& meaning);
  int AddRussian(const ParsedMeaning& meaning);
  int AddHebrew(const ParsedMeaning& meaning, int russianId);
  int AddEnglish(const ParsedMeaning& meaning, int russianId, int hebrewId);
  void AddForms(const ParsedMeaning& meaning, int hebrewId);

  TDataModul& data_;
  WordFields fields_;
};

}  // namespace dictionary
