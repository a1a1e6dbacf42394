#include "browser/WordTables.h"

#include "store/FieldCodec.h"
#include "text/Codepage.h"

namespace browser {

Roles RolesOf(const WordTables& tables, Language language) {
  switch (language) {
    case Language::Russian:
      return {tables.ru, tables.he, "IdHE", tables.en, "IdEN"};
    case Language::Hebrew:
      return {tables.he, tables.ru, "idRU", tables.en, "idEN"};
    case Language::English:
      break;
  }
  return {tables.en, tables.ru, "idRU", tables.he, "idHE"};
}

store::Table& TableOf(const WordTables& tables, Language language) {
  return RolesOf(tables, language).self;
}

void UseIndex(store::Table& table, const char* index) {
  if (table.IndexName() != index) table.SetIndexName(index);
}

QString PanelWord(store::Table& table) {
  const store::Field item = table.FieldByName("Item");
  const std::string bytes = item.AsString();
  if (bytes.empty()) return kNoWord;
  return text::ToUnicode(bytes, store::CodepageOf(item.Encoding()));
}

StatusTexts PartnerWords(const Roles& roles) {
  return {PanelWord(roles.first), PanelWord(roles.second)};
}

}  // namespace browser
