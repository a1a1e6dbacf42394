#pragma once

// The lesson mark of words and meanings.

#include <vector>

#include "dictionary/WordTables.h"

namespace dictionary {

// Toggles the mark of the current record of one table (a marked word becomes unmarked, anything
// else marked) and posts it; the partners keep their marks. Nothing happens on an empty table.
void ToggleWordMark(store::Table& table);

// The lesson mark of the meaning of `language`'s current record, toggled as that record's mark
// decides, in the record and in its partners located by their key. A partner that cannot be
// located (empty link, no such record) keeps its mark. The records are posted in the order
// Russian, Hebrew, English. Nothing happens on an empty table.
void ToggleMeaningMark(const WordTables& tables, Language language);

// Filters the Russian table on its marked words, refreshes it and goes to its first record.
// Returns the number of marked Russian words.
int FilterMarked(store::Table& russian);

// Clears the marks of every meaning whose Russian record is marked: the three filters off, the
// Russian table filtered on its marks (FilterMarked), and for each of its records the mark cleared
// in it and in its partners located by key (a partner that cannot be located is left alone); the
// three filters off again, the Russian filter text staying set. Every write goes to the database
// in one transaction. Returns the number of meanings unmarked. Grids bound to the tables follow
// each step: a caller with grids unbinds them for the walk.
int ClearAllMarks(const WordTables& tables);

// Marks the meanings whose Russian records have the keys `russianKeys` (looked up by key with the
// filters off) in those records and their partners located by key; a key without a record is
// passed over. The three filters are off afterwards. Every write goes to the database in one
// transaction. Returns the number of meanings marked. Grids bound to the tables follow each step:
// a caller with grids unbinds them for the walk.
int MarkMeanings(const WordTables& tables, const std::vector<int>& russianKeys);

}  // namespace dictionary
