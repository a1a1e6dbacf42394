#include "dictionary/Marks.h"

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

}  // namespace dictionary
