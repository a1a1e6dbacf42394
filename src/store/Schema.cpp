#include "store/Schema.h"

#include <string>

namespace store::schema {

const std::array<std::string_view, kVerbFormCount> kVerbFormFields = {
    "Nast1",  "Nast2",  "Nast3",  "Nast4",  "Prosh1", "Prosh2", "Prosh3",
    "Prosh4", "Prosh5", "Prosh6", "Prosh7", "Prosh8", "Prosh9", "Prosh10",
    "Bud1",   "Bud2",   "Bud3",   "Bud4",   "Bud5",   "Bud6",   "Bud7",
    "Bud8",   "Bud9",   "Bud10",  "Pov1",   "Pov2",   "Pov3",   "Process"};

namespace {

FieldDef Key(std::string name) {
  return {std::move(name), FieldType::AutoInc, TextEncoding::Ascii};
}
FieldDef Int(std::string name) {
  return {std::move(name), FieldType::Integer, TextEncoding::Ascii};
}
FieldDef Small(std::string name) {
  return {std::move(name), FieldType::SmallInt, TextEncoding::Ascii};
}
FieldDef Text(std::string name, TextEncoding encoding) {
  return {std::move(name), FieldType::String, encoding};
}

constexpr auto k1251 = TextEncoding::Cp1251;
constexpr auto k1255 = TextEncoding::Cp1255;
constexpr auto kAscii = TextEncoding::Ascii;
constexpr auto kNoCase = Collation::CaseInsensitive;
// The Hebrew word and root indexes: a word is found with or without its points, and a final
// form is the same letter as its ordinary form.
constexpr auto kHebrew = Collation::Hebrew;

// The 28 form fields, as text of one code page.
void AddVerbForms(TableDef& table, TextEncoding encoding) {
  for (std::string_view name : kVerbFormFields)
    table.Fields.push_back(Text(std::string(name), encoding));
}

}  // namespace

TableDef RuWords() {
  return {std::string(kRuWords),
          {Key("Id"), Text("Item", k1251), Int("IdHE"), Int("IdEN"), Text("Remark", k1251),
           Int("Remember"), Text("Select", k1251), Small("TypeWorld"), Small("GroupDop"),
           Text("RussianSpeech", k1251), Small("Sex"), Small("Part"), Small("Topic")},
          {{"RUTableIndex1", "Id"},
           {"id_index", "Id"},
           {"item_index", "Item", kNoCase},
           {"Sele_index", "Select", kNoCase}},
          ""};
}

TableDef HeWords() {
  return {std::string(kHeWords),
          {Key("id"), Text("Item", k1255), Text("Item_Invert", k1255), Text("Root", k1255),
           Text("Root_Invert", k1255), Int("idRU"), Int("idEN"), Text("HebrSpeech", k1251),
           Small("Sex"), Small("Part"), Small("Binyan"), Small("Topic"), Text("Select", k1251)},
          {{"id_index", "id"},
           {"invert_index", "Item_Invert", kHebrew},
           {"Root_index", "Root_Invert", kHebrew}},
          ""};
}

TableDef EnWords() {
  return {std::string(kEnWords),
          {Key("id"), Text("Item", kAscii), Int("idRU"), Int("idHE"), Text("EnglishSpeech", kAscii),
           Small("Sex"), Small("Part"), Small("Topic"), Text("Select", k1251)},
          {{"id_index", "id"}, {"item_index", "Item", kNoCase}},
          ""};
}

TableDef SeleWords() {
  return {std::string(kSeleWords),
          {Text("ItemRU", k1251), Text("ItemHE", k1255), Text("ItemEN", kAscii), Small("Part"),
           Text("RussianSpeech", k1251), Text("HebrSpeech", k1251), Text("EnglishSpeech", k1251),
           Text("Select", k1251), Int("idHE"), Int("IndexAndestand"), Int("AndestandTwo")},
          {{"And_index", "IndexAndestand"}, {"And_two_index", "AndestandTwo"}},
          "AndestandTwo"};
}

TableDef GlTable() {
  TableDef table{std::string(kGlTable), {Key("Id")}, {{"index_idHE", "IdHE"}}, ""};
  AddVerbForms(table, k1255);
  table.Fields.push_back(Int("IdHE"));
  table.Fields.push_back(Int("IdNekudot"));
  return table;
}

TableDef Nekudot() {
  TableDef table{std::string(kNekudot), {Key("Id")}, {{"index_id", "Id"}}, ""};
  AddVerbForms(table, k1251);
  return table;
}

}  // namespace store::schema
