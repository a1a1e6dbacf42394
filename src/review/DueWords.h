#pragma once

// The words of today's lesson: every meaning with a card due, and a few new ones. "Mark Due Words"
// marks them, so that "Begin Lesson" and the game take them as they take any marked words.

#include <cstdint>
#include <vector>

#include "dictionary/WordTables.h"
#include "review/CardStore.h"

namespace review {

// How many meanings without a card a day's lesson takes, unless the learner chooses otherwise.
inline constexpr int kDefaultNewWords = 20;

struct DueWords {
  std::vector<int> Due;  // meanings with a card due on the day or before, by key
  std::vector<int> New;  // meanings without any card, in the order of the Russian page
};

// The due meanings of `day`, and up to `newWords` meanings without a card, taken from the Russian
// table in its item order with its filter off. Moves the Russian table's cursor; a caller with
// grids unbinds them.
DueWords FindDueWords(const dictionary::WordTables& tables, const CardStore& cards,
                      std::int64_t day, int newWords);

// Marks `words` (dictionary::MarkMeanings) in one transaction; returns how many were marked.
int MarkDueWords(const dictionary::WordTables& tables, const DueWords& words);
// FindDueWords, then marks what it found.
int MarkDueWords(const dictionary::WordTables& tables, const CardStore& cards, std::int64_t day,
                 int newWords);

}  // namespace review
