#pragma once

// The word commands that act at once on the three word tables: mark one word, delete a meaning,
// and clear the marks of every meaning whose Russian record is marked.

#include "browser/WordTables.h"

namespace browser {

// Toggles the mark of the current record of one table ("*" becomes empty, anything else "*")
// and posts it; the partners keep their marks. Nothing happens on an empty table.
void ToggleWordMark(store::Table& table);

// The partners of a meaning about to be deleted, found by exact key on id_index (from Hebrew:
// English first, then Russian). Moves the partner tables.
struct DeletePlan {
  bool deleteRU = false;
  bool deleteHE = false;
  bool deleteEN = false;
};
DeletePlan FindMeaningToDelete(const WordTables& tables, Language language);

// Deletes the records of the plan, in the order Russian, Hebrew, English; each table loses its
// current record.
void DeleteMeaning(const WordTables& tables, const DeletePlan& plan);

// Clears the marks of every meaning whose Russian record is marked: the three filters off, the
// Russian table filtered on "Select = '*'", and for each of its records the mark cleared in it and
// in its partners located by key (a partner that cannot be located is left alone); the three
// filters off again, the Russian filter text staying set. Every write goes to the database in
// one transaction. Returns the number of meanings unmarked. Grids bound to the tables follow
// each step: a caller with grids unbinds them for the walk (TFormSelect::RunDetached).
int ClearAllMarks(const WordTables& tables);

}  // namespace browser
