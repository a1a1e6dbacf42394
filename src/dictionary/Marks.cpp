#include "dictionary/Marks.h"

#include <string>

#include "dictionary/MeaningFields.h"
#include "dictionary/MeaningRecords.h"
#include "store/Table.h"

namespace dictionary {

void ToggleWordMark(store::Table& table) {
  if (table.IsEmpty()) return;
  table.Edit();
  store::Field mark = table.FieldByName(kMarkField);
  mark.SetAsString(mark.AsString() == kMark ? "" : kMark);
  table.Post();
}

void ToggleMeaningMark(const WordTables& tables, Language language) {
  const Roles roles = RolesOf(tables, language);
  if (roles.self.IsEmpty()) return;
  const bool marked = roles.self.FieldByName(kMarkField).AsString() == kMark;
  MeaningRecords meaning(tables, language);
  meaning.LocatePartners();
  meaning.SetMark(marked ? "" : kMark);
}

int FilterMarked(store::Table& russian) {
  russian.SetFilter(kMarkedFilter);
  russian.SetFiltered(true);
  russian.Refresh();
  russian.First();
  return russian.RecordCount();
}

int ClearAllMarks(const WordTables& tables) {
  SwitchFilters(tables, false);
  const int count = FilterMarked(tables.ru);
  {
    // One transaction for the whole walk instead of one per post.
    store::BulkTransaction bulk(tables.ru);
    // Each post takes the record out of the marked view; the cursor then stands on the next one.
    for (int i = 0; i < count && !tables.ru.IsEmpty(); ++i) {
      MeaningRecords meaning(tables, Language::Russian);
      meaning.LocatePartners();
      meaning.SetMark("", {Language::Russian, Language::English, Language::Hebrew});
    }
    bulk.Commit();
  }
  SwitchFilters(tables, false);
  return count;
}

int MarkMeanings(const WordTables& tables, const std::vector<int>& russianKeys) {
  SwitchFilters(tables, false);
  // The Russian page keeps its order: the keys are looked up on the key index meanwhile.
  const std::string order = tables.ru.IndexName();
  UseIndex(tables.ru, kIdIndex);
  int marked = 0;
  try {
    store::BulkTransaction bulk(tables.ru);
    for (const int key : russianKeys) {
      if (!tables.ru.FindKey(key)) continue;
      MeaningRecords meaning(tables, Language::Russian);
      meaning.LocatePartners();
      meaning.SetMark(kMark);
      ++marked;
    }
    bulk.Commit();
  } catch (...) {
    UseIndex(tables.ru, order.c_str());
    throw;
  }
  UseIndex(tables.ru, order.c_str());
  return marked;
}

}  // namespace dictionary
