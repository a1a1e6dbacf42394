#pragma once

// The three word tables of the dictionary and the roles they play for one another: every meaning
// is a record in each, and each record holds the keys of its two partners.

#include "store/Table.h"
#include "text/Language.h"

namespace dictionary {

using text::Language;

struct WordTables {
  store::Table& ru;  // RUWORDS
  store::Table& he;  // Hewords
  store::Table& en;  // ENWORDS
};

// Index names shared by the three tables.
inline constexpr char kIdIndex[] = "id_index";

// Makes `index` the table's active index. Setting the index that is already active changes
// nothing (the lookups that follow store any pending edit themselves), so it is skipped: a grid
// over a large table would otherwise be rebuilt on every keystroke.
void UseIndex(store::Table& table, const char* index);

// A word table seen from one language: its table and its two partners, each with the link field
// of the word's record that holds the partner's key. The partners come in status-bar order
// (Russian before Hebrew before English).
struct Roles {
  store::Table& self;
  store::Table& first;
  const char* firstLink;
  store::Table& second;
  const char* secondLink;
};

Roles RolesOf(const WordTables& tables, Language language);

// The table of a language.
store::Table& TableOf(const WordTables& tables, Language language);

// Switches the filters of the three tables off or on (each table goes to its first record).
void SwitchFilters(const WordTables& tables, bool on);

}  // namespace dictionary
