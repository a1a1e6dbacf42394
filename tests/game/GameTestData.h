#pragma once

// Lesson-list entries for the game tests, given as Unicode (Hebrew in stored display order).

#include <QString>
#include <optional>
#include <string>

#include "store/Table.h"
#include "text/Codepage.h"

namespace gametest {

struct Entry {
  QString ru{};
  QString he{};
  QString en{};
  std::optional<QString> ruHint{};
  std::optional<QString> heHint{};
  std::optional<QString> enHint{};
};

inline std::string Bytes(const QString& text, text::Codepage codepage) {
  return text::FromUnicode(text, codepage);
}

// Appends one posted entry with both counters at 0, as lesson assembly leaves them.
inline void AddEntry(store::Table& list, const Entry& entry) {
  list.Insert();
  list.FieldByName("ItemRU").SetAsString(Bytes(entry.ru, text::Codepage::Win1251));
  list.FieldByName("ItemHE").SetAsString(Bytes(entry.he, text::Codepage::Win1255));
  list.FieldByName("ItemEN").SetAsString(Bytes(entry.en, text::Codepage::Ascii));
  const auto hint = [&](const char* field, const std::optional<QString>& value) {
    if (value) list.FieldByName(field).SetAsString(Bytes(*value, text::Codepage::Win1251));
  };
  hint("RussianSpeech", entry.ruHint);
  hint("HebrSpeech", entry.heHint);
  hint("EnglishSpeech", entry.enHint);
  list.FieldByName("IndexAndestand").SetAsInteger(0);
  list.FieldByName("AndestandTwo").SetAsInteger(0);
  list.Post();
}

}  // namespace gametest
