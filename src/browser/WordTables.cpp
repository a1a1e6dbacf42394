#include "browser/WordTables.h"

#include "store/FieldCodec.h"
#include "text/Codepage.h"

namespace browser {

QString PanelWord(store::Table& table) {
  const store::Field item = table.FieldByName("Item");
  const std::string bytes = item.AsString();
  if (bytes.empty()) return kNoWord;
  return text::ToUnicode(bytes, store::CodepageOf(item.Encoding()));
}

StatusTexts PartnerWords(const Roles& roles) {
  return {PanelWord(roles.first), PanelWord(roles.second)};
}

}  // namespace browser
