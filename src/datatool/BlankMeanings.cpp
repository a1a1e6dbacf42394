#include "datatool/BlankMeanings.h"

#include <optional>
#include <unordered_set>

#include "store/DataModul.h"
#include "store/Error.h"

namespace datatool {
namespace {

bool EmptyWord(store::Table& table) { return table.FieldByName("Item").AsString().empty(); }

std::optional<int> IntegerOf(store::Table& table, const char* field) {
  const store::Field value = table.FieldByName(field);
  if (value.IsNull()) return std::nullopt;
  return value.AsInteger();
}

// The keys of the records of `table` whose word is empty.
std::unordered_set<int> EmptyWordKeys(store::Table& table) {
  std::unordered_set<int> keys;
  table.SetFiltered(false);
  for (table.First(); !table.Eof(); table.Next()) {
    if (EmptyWord(table)) keys.insert(table.FieldByName("id").AsInteger());
  }
  return keys;
}

void DeleteRecord(store::Table& table, int key) {
  if (!table.Locate("id", key)) {
    throw store::Error("Record " + std::to_string(key) + " of " + table.TableName() +
                       " not found.");
  }
  table.Delete();
}

}  // namespace

std::vector<BlankMeaning> FindBlankMeanings(TDataModul& data) {
  const std::unordered_set<int> hebrew = EmptyWordKeys(data.HETable);
  const std::unordered_set<int> english = EmptyWordKeys(data.ENTable);
  std::vector<BlankMeaning> blanks;
  store::Table& russian = data.RUTable;
  russian.SetFiltered(false);
  for (russian.First(); !russian.Eof(); russian.Next()) {
    if (!EmptyWord(russian)) continue;
    const std::optional<int> he = IntegerOf(russian, "IdHE");
    const std::optional<int> en = IntegerOf(russian, "IdEN");
    if (he && en && hebrew.count(*he) && english.count(*en)) {
      blanks.push_back({russian.FieldByName("Id").AsInteger(), *he, *en});
    }
  }
  return blanks;
}

void DeleteBlankMeanings(TDataModul& data, const std::vector<BlankMeaning>& meanings) {
  store::BulkTransaction transaction(data.RUTable);
  for (const BlankMeaning& meaning : meanings) {
    DeleteRecord(data.RUTable, meaning.Russian);
    DeleteRecord(data.HETable, meaning.Hebrew);
    DeleteRecord(data.ENTable, meaning.English);
  }
  transaction.Commit();
}

}  // namespace datatool
