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

SearchResult Search(const Roles& roles, const char* index, const std::string& key, Lookup lookup) {
  UseIndex(roles.self, index);
  if (roles.self.IsEmpty()) return {{kNoWord, kNoWord}, false};
  const bool exact = roles.self.FindNearest(key);
  MovePartner(roles.self, roles.firstLink, roles.first, lookup);
  MovePartner(roles.self, roles.secondLink, roles.second, lookup);
  return {PartnerWords(roles), exact};
}

std::optional<StatusTexts> StatusOf(const std::optional<SearchResult>& result) {
  if (!result) return std::nullopt;
  return result->status;
}

}  // namespace

Language SearchedLanguage(SearchBox box) {
  switch (box) {
    case SearchBox::Russian:
      return Language::Russian;
    case SearchBox::English:
      return Language::English;
    case SearchBox::HebrewWord:
    case SearchBox::HebrewRoot:
      break;
  }
  return Language::Hebrew;
}

std::optional<SearchResult> RunSearch(const WordTables& tables, SearchBox box, QStringView text) {
  const Roles roles = RolesOf(tables, SearchedLanguage(box));
  if (box == SearchBox::Russian || box == SearchBox::English) {
    return Search(roles, "item_index", KeyBytes(roles.self, text), Lookup::Exact);
  }
  if (text.isEmpty()) return std::nullopt;
  // The box holds display order; the Hebrew indexes are built on reading order.
  return Search(roles, box == SearchBox::HebrewWord ? "invert_index" : "Root_index",
                text::InvertText(KeyBytes(roles.self, text)), Lookup::Nearest);
}

StatusTexts SearchRussian(const WordTables& tables, QStringView text) {
  return RunSearch(tables, SearchBox::Russian, text)->status;
}

StatusTexts SearchEnglish(const WordTables& tables, QStringView text) {
  return RunSearch(tables, SearchBox::English, text)->status;
}

std::optional<StatusTexts> SearchHebrewWord(const WordTables& tables, QStringView text) {
  return StatusOf(RunSearch(tables, SearchBox::HebrewWord, text));
}

std::optional<StatusTexts> SearchHebrewRoot(const WordTables& tables, QStringView text) {
  return StatusOf(RunSearch(tables, SearchBox::HebrewRoot, text));
}

}  // namespace browser
