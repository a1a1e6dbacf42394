#include "dictionary/CreateMeaning.h"

#include "dictionary/MeaningFields.h"
#include "store/WriteUnit.h"

namespace dictionary {

MeaningKeys CreateMeaning(const WordTables& tables) {
  store::Table* words[] = {&tables.ru, &tables.he, &tables.en};
  for (store::Table* table : words) table->SetFiltered(false);
  MeaningKeys keys;
  // The three records get their keys on their first post; the links and marks go in with a second
  // post in the same unit, so the database never holds a record of the meaning without them.
  store::WriteUnit({&tables.ru, &tables.he, &tables.en}).Run([&tables, &words, &keys] {
    for (store::Table* table : words) {
      table->Insert();
      table->Post();
    }
    keys.ru = tables.ru.FieldByName(kKeyField).AsInteger();
    keys.he = tables.he.FieldByName(kKeyField).AsInteger();
    keys.en = tables.en.FieldByName(kKeyField).AsInteger();
    for (store::Table* table : words) {
      table->Edit();
      table->FieldByName(kMarkField).SetAsString(kMark);
    }
    tables.ru.FieldByName(kRussianLinks.toHebrew).SetAsInteger(keys.he);
    tables.ru.FieldByName(kRussianLinks.toEnglish).SetAsInteger(keys.en);
    tables.he.FieldByName(kHebrewLinks.toRussian).SetAsInteger(keys.ru);
    tables.he.FieldByName(kHebrewLinks.toEnglish).SetAsInteger(keys.en);
    tables.en.FieldByName(kEnglishLinks.toRussian).SetAsInteger(keys.ru);
    tables.en.FieldByName(kEnglishLinks.toHebrew).SetAsInteger(keys.he);
    for (store::Table* table : words) table->Post();
  });
  return keys;
}

void LinkVerbForms(store::Table& spelling, int hebrewId, int pronunciationId) {
  spelling.FieldByName(kFormsToHebrew).SetAsInteger(hebrewId);
  spelling.FieldByName(kFormsToPronunciation).SetAsInteger(pronunciationId);
}

}  // namespace dictionary
