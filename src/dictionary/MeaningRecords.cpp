#include "dictionary/MeaningRecords.h"

#include "dictionary/MeaningFields.h"
#include "store/WriteUnit.h"

namespace dictionary {
namespace {

// Locates the partner named by `link`; with `unfilter`, a partner its table's filter hides is
// looked for again with the filter off.
bool LocateByLink(store::Table& self, const char* link, store::Table& partner, bool unfilter) {
  const store::Field value = self.FieldByName(link);
  if (value.IsNull()) return false;
  const int key = value.AsInteger();
  if (partner.Locate(kKeyField, key)) return true;
  if (!unfilter || !partner.Filtered()) return false;
  partner.SetFiltered(false);
  return partner.Locate(kKeyField, key);
}

}  // namespace

MeaningRecords::MeaningRecords(const WordTables& tables, Language language)
    : tables_(tables), language_(language) {
  found_[Slot(language)] = true;
}

bool MeaningRecords::Found(Language language) const { return found_[Slot(language)]; }

void MeaningRecords::LocatePartners() {
  const Roles roles = RolesOf(tables_, language_);
  const bool first = LocateByLink(roles.self, roles.firstLink, roles.first, false);
  const bool second = LocateByLink(roles.self, roles.secondLink, roles.second, false);
  for (Language language : {Language::Russian, Language::Hebrew, Language::English}) {
    store::Table& table = TableOf(tables_, language);
    if (&table == &roles.first) found_[Slot(language)] = first;
    if (&table == &roles.second) found_[Slot(language)] = second;
  }
}

void MeaningRecords::SetMark(std::string_view mark, std::initializer_list<Language> postOrder) {
  store::WriteUnit({&tables_.ru, &tables_.he, &tables_.en}).Run([&] {
    for (Language language : postOrder) {
      if (Found(language)) TableOf(tables_, language).Edit();
    }
    for (Language language : postOrder) {
      if (Found(language)) TableOf(tables_, language).FieldByName(kMarkField).SetAsString(mark);
    }
    for (Language language : postOrder) {
      if (Found(language)) TableOf(tables_, language).Post();
    }
  });
}

bool MoveToPartners(const WordTables& tables, Language language) {
  const Roles roles = RolesOf(tables, language);
  if (roles.self.IsEmpty()) return false;
  const bool first = LocateByLink(roles.self, roles.firstLink, roles.first, true);
  const bool second = LocateByLink(roles.self, roles.secondLink, roles.second, true);
  return first && second;
}

}  // namespace dictionary
