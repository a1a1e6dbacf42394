#pragma once

// The small dictionary the browser tests search: eight meanings with every part of speech, a few
// themes and two Hebrew verbs with roots. Hebrew is written here in reading order and stored in
// display order, as the program stores it.

#include <QString>
#include <algorithm>

#include "TestDictionary.h"

namespace test {

// A Hebrew word given in reading order, as stored (display order).
inline QString He(const QString& readingOrder) {
  QString stored = readingOrder;
  std::reverse(stored.begin(), stored.end());
  return stored;
}

inline void AddBrowserDictionary(TDataModul& data) {
  const auto add = [&data](const char* ru, const char* he, const char* en, int part, int topic,
                           const char* root = "") {
    AddMeaning(data, {.ru = QString::fromUtf8(ru),
                      .he = He(QString::fromUtf8(he)),
                      .en = QString::fromUtf8(en),
                      .heRoot = He(QString::fromUtf8(root)),
                      .part = part,
                      .topic = topic});
  };
  add("КОТ", "חתול", "CAT", 2, 0);
  add("КНИГА", "ספר", "BOOK", 2, 1);
  add("ИДТИ", "ללכת", "GO", 1, 0, "הלך");
  add("ДОМ", "בית", "HOUSE", 2, 2);
  add("БОЛЬШОЙ", "גדול", "BIG", 3, 4);
  add("И", "ו", "AND", 4, 11);
  add("ЧТО-ТО", "משהו", "SOMETHING", 9, 0);
  add("ПИСАТЬ", "לכתוב", "WRITE", 1, 4, "כתב");
}

}  // namespace test
