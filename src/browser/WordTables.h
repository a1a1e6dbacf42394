#pragma once

// What the status bar shows of the word tables: the words of a record's partners.

#include <QString>

#include "dictionary/WordTables.h"

namespace browser {

// The browser works on the dictionary's word tables, seen from the language of a page.
using dictionary::kIdIndex;
using dictionary::Language;
using dictionary::Roles;
using dictionary::RolesOf;
using dictionary::TableOf;
using dictionary::UseIndex;
using dictionary::WordTables;

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
