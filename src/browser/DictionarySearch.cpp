#include "browser/DictionarySearch.h"

#include "store/FieldCodec.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace browser {
namespace {

enum class Lookup { Exact, Nearest };

// The search text in the code page of the table's Item field.
std::string KeyBytes(store::Table& table, QStringView text) {
  return text::FromUnicode(text, store::CodepageOf(table.FieldByName("Item").Encoding()));
}

void MovePartner(store::Table& self, const char* link, store::Table& partner, Lookup lookup) {
  const int key = self.FieldByName(link).AsInteger();
  UseIndex(partner, kIdIndex);
  if (lookup == Lookup::Exact) {
    partner.FindKey(key);
  } else {
    partner.FindNearest(key);
  }
}

StatusTexts Search(const Roles& roles, const char* index, const std::string& key, Lookup lookup) {
  UseIndex(roles.self, index);
  if (roles.self.IsEmpty()) return {kNoWord, kNoWord};
  roles.self.FindNearest(key);
  MovePartner(roles.self, roles.firstLink, roles.first, lookup);
  MovePartner(roles.self, roles.secondLink, roles.second, lookup);
  return PartnerWords(roles);
}

std::optional<StatusTexts> SearchHebrew(const WordTables& tables, QStringView text,
                                        const char* index) {
  if (text.isEmpty()) return std::nullopt;
  const std::string key = text::InvertText(KeyBytes(tables.he, text));
  return Search(RolesOf(tables, Language::Hebrew), index, key, Lookup::Nearest);
}

}  // namespace

StatusTexts SearchRussian(const WordTables& tables, QStringView text) {
  return Search(RolesOf(tables, Language::Russian), "item_index", KeyBytes(tables.ru, text),
                Lookup::Exact);
}

StatusTexts SearchEnglish(const WordTables& tables, QStringView text) {
  return Search(RolesOf(tables, Language::English), "item_index", KeyBytes(tables.en, text),
                Lookup::Exact);
}

std::optional<StatusTexts> SearchHebrewWord(const WordTables& tables, QStringView text) {
  return SearchHebrew(tables, text, "invert_index");
}

std::optional<StatusTexts> SearchHebrewRoot(const WordTables& tables, QStringView text) {
  return SearchHebrew(tables, text, "Root_index");
}

}  // namespace browser
