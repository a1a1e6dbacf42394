#pragma once

// Blank and incomplete meanings: a Russian, a Hebrew and an English record linked together whose
// three words are all empty (a blank meaning, as "Add word" followed by "Cancel" leaves it), or
// some of them (an incomplete meaning, as the same leaves it after a word was typed).

#include <string>
#include <vector>

class TDataModul;

namespace datatool {

// The keys of the three records of one blank meaning.
struct BlankMeaning {
  int Russian = 0;
  int Hebrew = 0;
  int English = 0;
};

// Every blank meaning, found from its Russian record: its Item is empty (null or no text) and the
// Hebrew and English records its links name exist and have empty Items too. The word tables are
// read unfiltered; their cursors move.
std::vector<BlankMeaning> FindBlankMeanings(TDataModul& data);

// A meaning with one or two of its words empty; the words in their code pages, the Hebrew one in
// stored order.
struct IncompleteMeaning {
  BlankMeaning Keys;
  std::string Russian;
  std::string Hebrew;
  std::string English;
};

// Every incomplete meaning, found the same way as the blank ones.
std::vector<IncompleteMeaning> FindIncompleteMeanings(TDataModul& data);

// Deletes the three records of each of `meanings`, in one transaction; nothing else is touched
// (a Hebrew verb's forms stay). Throws store::Error when a record cannot be found or deleted.
void DeleteBlankMeanings(TDataModul& data, const std::vector<BlankMeaning>& meanings);

}  // namespace datatool
