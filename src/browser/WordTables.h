#pragma once

// The three word tables of the dictionary and the roles they play for one another: every meaning
// is a record in each, and each record holds the keys of its two partners.

#include <QString>

#include "speech/Language.h"
#include "store/Table.h"

namespace browser {

using speech::Language;

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
// of the word's record that holds the partner's key. The partners come in status-bar order.
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

// The text of a status bar panel: the current record's Item as Unicode, or "-----" when it is
// empty or null.
QString PanelWord(store::Table& table);

// The two panel texts of the status bar.
struct StatusTexts {
  QString panel0;
  QString panel1;
  friend bool operator==(const StatusTexts&, const StatusTexts&) = default;
};

inline const QString kNoWord = QStringLiteral("-----");
// What "Add word", "Edit word", "Delete word" and "Deselect" put into both panels.
inline const QString kBlankPanel = QStringLiteral(" ");

// The two partners' words, in status bar order.
StatusTexts PartnerWords(const Roles& roles);

}  // namespace browser
