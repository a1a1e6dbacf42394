#include "browser/MeaningRecords.h"

namespace browser {
namespace {

// The key field of every word table ("Id" in RUWORDS; field names ignore case).
constexpr char kKeyField[] = "id";

bool LocateByLink(store::Table& self, const char* link, store::Table& partner) {
  const store::Field value = self.FieldByName(link);
  if (value.IsNull()) return false;
  return partner.Locate(kKeyField, value.AsInteger());
}

}  // namespace

MeaningRecords::MeaningRecords(const WordTables& tables, Language language)
    : tables_(tables), language_(language) {
  found_[Slot(language)] = true;
}

bool MeaningRecords::Found(Language language) const { return found_[Slot(language)]; }

void MeaningRecords::LocatePartners() {
  const Roles roles = RolesOf(tables_, language_);
  const bool first = LocateByLink(roles.self, roles.firstLink, roles.first);
  const bool second = LocateByLink(roles.self, roles.secondLink, roles.second);
  for (Language language : {Language::Russian, Language::Hebrew, Language::English}) {
    store::Table& table = TableOf(tables_, language);
    if (&table == &roles.first) found_[Slot(language)] = first;
    if (&table == &roles.second) found_[Slot(language)] = second;
  }
}

void MeaningRecords::SetMark(std::string_view mark, std::initializer_list<Language> postOrder) {
  for (Language language : postOrder) {
    if (Found(language)) TableOf(tables_, language).Edit();
  }
  for (Language language : postOrder) {
    if (Found(language)) TableOf(tables_, language).FieldByName(kMarkField).SetAsString(mark);
  }
  for (Language language : postOrder) {
    if (Found(language)) TableOf(tables_, language).Post();
  }
}

}  // namespace browser
