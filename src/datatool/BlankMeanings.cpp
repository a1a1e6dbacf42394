#include "datatool/BlankMeanings.h"

#include <optional>
#include <unordered_map>
#include <utility>

#include "dictionary/MeaningFields.h"
#include "store/DataModul.h"
#include "store/Error.h"

namespace datatool {
namespace {

std::optional<int> IntegerOf(store::Table& table, const char* field) {
  const store::Field value = table.FieldByName(field);
  if (value.IsNull()) return std::nullopt;
  return value.AsInteger();
}

// The word of each record of `table`, by key.
std::unordered_map<int, std::string> WordsByKey(store::Table& table) {
  std::unordered_map<int, std::string> words;
  table.SetFiltered(false);
  for (table.First(); !table.Eof(); table.Next()) {
    words.emplace(table.FieldByName(dictionary::kKeyField).AsInteger(),
                  table.FieldByName("Item").AsString());
  }
  return words;
}

// Every meaning whose Russian record names a Hebrew and an English record that exist, with its
// three words.
std::vector<IncompleteMeaning> ReadMeanings(TDataModul& data) {
  const std::unordered_map<int, std::string> hebrew = WordsByKey(data.HETable());
  const std::unordered_map<int, std::string> english = WordsByKey(data.ENTable());
  std::vector<IncompleteMeaning> meanings;
  store::Table& russian = data.RUTable();
  russian.SetFiltered(false);
  for (russian.First(); !russian.Eof(); russian.Next()) {
    const std::optional<int> he = IntegerOf(russian, dictionary::kRussianLinks.toHebrew);
    const std::optional<int> en = IntegerOf(russian, dictionary::kRussianLinks.toEnglish);
    if (!he || !en) continue;
    const auto heWord = hebrew.find(*he);
    const auto enWord = english.find(*en);
    if (heWord == hebrew.end() || enWord == english.end()) continue;
    meanings.push_back({{russian.FieldByName(dictionary::kKeyField).AsInteger(), *he, *en},
                        russian.FieldByName("Item").AsString(),
                        heWord->second,
                        enWord->second});
  }
  return meanings;
}

int EmptyWords(const IncompleteMeaning& meaning) {
  return int{meaning.Russian.empty()} + int{meaning.Hebrew.empty()} + int{meaning.English.empty()};
}

void DeleteRecord(store::Table& table, int key) {
  if (!table.Locate(dictionary::kKeyField, key)) {
    throw store::Error("Record " + std::to_string(key) + " of " + table.TableName() +
                       " not found.");
  }
  table.Delete();
}

}  // namespace

std::vector<BlankMeaning> FindBlankMeanings(TDataModul& data) {
  std::vector<BlankMeaning> blanks;
  for (const IncompleteMeaning& meaning : ReadMeanings(data)) {
    if (EmptyWords(meaning) == 3) blanks.push_back(meaning.Keys);
  }
  return blanks;
}

std::vector<IncompleteMeaning> FindIncompleteMeanings(TDataModul& data) {
  std::vector<IncompleteMeaning> incomplete;
  for (IncompleteMeaning& meaning : ReadMeanings(data)) {
    const int empty = EmptyWords(meaning);
    if (empty == 1 || empty == 2) incomplete.push_back(std::move(meaning));
  }
  return incomplete;
}

void DeleteBlankMeanings(TDataModul& data, const std::vector<BlankMeaning>& meanings) {
  store::BulkTransaction transaction(data.RUTable());
  for (const BlankMeaning& meaning : meanings) {
    DeleteRecord(data.RUTable(), meaning.Russian);
    DeleteRecord(data.HETable(), meaning.Hebrew);
    DeleteRecord(data.ENTable(), meaning.English);
  }
  transaction.Commit();
}

}  // namespace datatool
