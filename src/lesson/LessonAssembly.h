#pragma once

// Lesson assembly: copies chosen meanings into the lesson list (SELEWORDS).
//
// A lesson record holds the three written words, the three pronunciation hints and the Hebrew
// record's part of speech of one meaning; `Select` is the lesson mark, both game counters 0, and
// `idHE` the Hebrew record's id when that record is a verb (`Part` 1). Values are copied as they
// are, nulls included. A language whose record cannot be found leaves its fields empty (null).

#include <vector>

#include "dictionary/WordTables.h"
#include "store/Table.h"

namespace lesson {

using dictionary::Language;

// Adds one lesson record for every meaning whose Russian record is marked, in the Russian
// table's current order, and clears the marks of the three records of each (posted Russian,
// English, Hebrew). On return the Russian table stays filtered on its marks (now matching
// nothing taken); the caller turns the filters off. Every write runs in one transaction.
// Returns the number of records added.
int AddMarkedMeanings(const dictionary::WordTables& tables, store::Table& lessons);

// Adds one lesson record for each of `rows`, records of `language`'s table, in the given order;
// the other two records of each meaning are found by its link fields. Marks are not touched.
// Every write runs in one transaction. Returns the number of records added.
int AddSelectedMeanings(const dictionary::WordTables& tables, Language language,
                        const std::vector<store::Bookmark>& rows, store::Table& lessons);

// The whole assembly after the lesson mode has been entered: the three word filters off; with
// two or more `selectedRows` (of `language`'s table) exactly those meanings are added, otherwise
// the marked ones; the three filters off again, the Russian filter text staying set. Returns the
// number of records added.
//
// Each meaning is one write unit: its lesson record and its cleared marks are stored together or
// not at all. When the database refuses a write, that meaning is left as it was, the ones before
// it stay added, the filters are turned off and store::Error says so.
int AssembleLesson(const dictionary::WordTables& tables, Language language,
                   const std::vector<store::Bookmark>& selectedRows, store::Table& lessons);

}  // namespace lesson
