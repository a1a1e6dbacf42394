#include "dictionary/DeleteMeaning.h"

#include "store/WriteUnit.h"

namespace dictionary {
namespace {

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
  store::WriteUnit({&tables.ru, &tables.he, &tables.en}).Run([&tables, &plan] {
    if (plan.deleteRU) tables.ru.Delete();
    if (plan.deleteHE) tables.he.Delete();
    if (plan.deleteEN) tables.en.Delete();
  });
}

}  // namespace dictionary
