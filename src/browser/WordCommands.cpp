#include "browser/WordCommands.h"

#include "browser/Filters.h"
#include "browser/MeaningRecords.h"
#include "store/Table.h"

namespace browser {
namespace {

constexpr char kMarkedFilter[] = "Select = '*'";

// Exact lookup of a partner by its key; an empty link finds nothing.
bool FindPartner(store::Table& self, const char* link, store::Table& partner) {
  const store::Field value = self.FieldByName(link);
  UseIndex(partner, kIdIndex);
  if (value.IsNull()) return false;
  return partner.FindKey(value.AsInteger());
}

bool& PlanFlag(DeletePlan& plan, Language language) {
  switch (language) {
    case Language::Russian:
      return plan.deleteRU;
    case Language::Hebrew:
      return plan.deleteHE;
    case Language::English:
      break;
  }
  return plan.deleteEN;
}

}  // namespace

void ToggleWordMark(store::Table& table) {
  if (table.IsEmpty()) return;
  table.Edit();
  store::Field mark = table.FieldByName(kMarkField);
  mark.SetAsString(mark.AsString() == kMark ? "" : kMark);
  table.Post();
}

DeletePlan FindMeaningToDelete(const WordTables& tables, Language language) {
  DeletePlan plan;
  const Roles roles = RolesOf(tables, language);
  if (roles.self.IsEmpty()) return plan;
  PlanFlag(plan, language) = true;
  // From the Hebrew and English pages the Russian partner (the first) is looked up last.
  const bool secondFirst = language != Language::Russian;
  const auto lookUp = [&](store::Table& partner, const char* link) {
    const bool found = FindPartner(roles.self, link, partner);
    for (Language other : {Language::Russian, Language::Hebrew, Language::English}) {
      if (&TableOf(tables, other) == &partner) PlanFlag(plan, other) = found;
    }
  };
  if (secondFirst) {
    lookUp(roles.second, roles.secondLink);
    lookUp(roles.first, roles.firstLink);
  } else {
    lookUp(roles.first, roles.firstLink);
    lookUp(roles.second, roles.secondLink);
  }
  return plan;
}

void DeleteMeaning(const WordTables& tables, const DeletePlan& plan) {
  if (plan.deleteRU) tables.ru.Delete();
  if (plan.deleteHE) tables.he.Delete();
  if (plan.deleteEN) tables.en.Delete();
}

int ClearAllMarks(const WordTables& tables) {
  SwitchFilters(tables, false);
  tables.ru.SetFilter(kMarkedFilter);
  tables.ru.SetFiltered(true);
  tables.ru.Refresh();
  tables.ru.First();
  const int count = tables.ru.RecordCount();
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

}  // namespace browser
