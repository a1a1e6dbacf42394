#include "dictionary/WordTables.h"

#include "dictionary/MeaningFields.h"

namespace dictionary {

Roles RolesOf(const WordTables& tables, Language language) {
  switch (language) {
    case Language::Russian:
      return {tables.ru, tables.he, kRussianLinks.toHebrew, tables.en, kRussianLinks.toEnglish};
    case Language::Hebrew:
      return {tables.he, tables.ru, kHebrewLinks.toRussian, tables.en, kHebrewLinks.toEnglish};
    case Language::English:
      break;
  }
  return {tables.en, tables.ru, kEnglishLinks.toRussian, tables.he, kEnglishLinks.toHebrew};
}

store::Table& TableOf(const WordTables& tables, Language language) {
  return RolesOf(tables, language).self;
}

void UseIndex(store::Table& table, const char* index) {
  if (table.IndexName() != index) table.SetIndexName(index);
}

void SwitchFilters(const WordTables& tables, bool on) {
  for (store::Table* table : {&tables.ru, &tables.he, &tables.en}) table->SetFiltered(on);
}

}  // namespace dictionary
