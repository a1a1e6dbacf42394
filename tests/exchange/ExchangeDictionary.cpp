#include "ExchangeDictionary.h"

#include <gtest/gtest.h>

namespace exchange {
namespace {

void Write(store::Table& table, const TestRecord& fields) {
  for (const auto& [name, value] : fields) {
    if (const int* number = std::get_if<int>(&value)) {
      table.FieldByName(name).SetAsInteger(*number);
    } else {
      table.FieldByName(name).SetAsString(std::get<std::string>(value));
    }
  }
}

std::string KeyField(store::Table& table) { return table.Fields(0).FieldName(); }

}  // namespace

int TestDictionary::Add(store::Table& table, const TestRecord& fields) {
  table.Insert();
  Write(table, fields);
  table.Post();
  return table.Fields(0).AsInteger();
}

void TestDictionary::Set(store::Table& table, int key, const TestRecord& fields) {
  EXPECT_TRUE(table.Locate(KeyField(table), key)) << table.TableName() << " " << key;
  table.Edit();
  Write(table, fields);
  table.Post();
}

std::array<int, 3> TestDictionary::AddMeaning(const TestRecord& russian, const TestRecord& hebrew,
                                              const TestRecord& english) {
  TDataModul& data = Data();
  const int ru = Add(data.RUTable, russian);
  const int he = Add(data.HETable, hebrew);
  const int en = Add(data.ENTable, english);
  Set(data.RUTable, ru, {{"IdHE", he}, {"IdEN", en}});
  Set(data.HETable, he, {{"idRU", ru}, {"idEN", en}});
  Set(data.ENTable, en, {{"idRU", ru}, {"idHE", he}});
  return {ru, he, en};
}

std::optional<std::string> TestDictionary::Text(store::Table& table, int key,
                                                std::string_view field) {
  const bool filtered = table.Filtered();
  if (filtered) table.SetFiltered(false);
  std::optional<std::string> value;
  if (table.Locate(KeyField(table), key) && !table.FieldByName(field).IsNull()) {
    value = table.FieldByName(field).AsString();
  }
  if (filtered) table.SetFiltered(true);
  return value;
}

std::vector<std::string> TestDictionary::Column(store::Table& table, std::string_view field) {
  const std::string index = table.IndexName();
  const bool filtered = table.Filtered();
  table.SetFiltered(false);
  table.SetIndexName("");
  std::vector<std::string> values;
  table.First();
  const int count = table.RecordCount();
  for (int i = 0; i < count; ++i) {
    if (i > 0) table.Next();
    values.push_back(table.FieldByName(field).AsString());
  }
  table.SetIndexName(index);
  table.SetFiltered(filtered);
  return values;
}

void FillSmallDictionary(TestDictionary& dictionary, SmallDictionary variant) {
  TDataModul& data = dictionary.Data();
  const bool golden = variant == SmallDictionary::Golden;
  using R = TestRecord;
  // A noun, with stress marks in its hints.
  dictionary.AddMeaning(
      R{{"Item", "\xC4\xCE\xCC"},
        {"RussianSpeech", "\xE4\xEE<\xEC"},
        {"Sex", 1},
        {"Part", 2},
        {"Topic", 2}},
      R{{"Item", "\xFA\xE9\xE1"},
        {"HebrSpeech", "\xE1\xE0<\xE8\xF2"},
        {"Sex", 1},
        {"Part", 2},
        {"Topic", 2},
        {"Binyan", 0},
        {"Item_Invert", "\xE1\xE9\xFA"}},
      R{{"Item", "HOUSE"}, {"EnglishSpeech", "hau<s"}, {"Sex", 0}, {"Part", 2}, {"Topic", 2}});

  // A verb with all 28 forms in both verb tables.
  const auto verb =
      dictionary.AddMeaning(R{{"Item", "\xCF\xC8\xD1\xC0\xD2\xDC"},
                              {"RussianSpeech", "\xEF\xE8\xF1\xE0<\xF2\xFC"},
                              {"Sex", 0},
                              {"Part", 1},
                              {"Topic", 11}},
                            R{{"Item", "\xE1\xFA\xEB"},
                              {"HebrSpeech", "\xEA\xE0\xF2\xE0<\xE2"},
                              {"Sex", 0},
                              {"Part", 1},
                              {"Topic", 11},
                              {"Binyan", 1},
                              {"Root", "\xE1\xFA\xEB"},
                              {"Item_Invert", "\xEB\xFA\xE1"},
                              {"Root_Invert", "\xEB\xFA\xE1"}},
                            R{{"Item", "WRITE"}, {"Sex", 0}, {"Part", 1}, {"Topic", 11}});
  R spelling{{"IdHE", verb[1]}};
  R pronunciation;
  for (int position = 1; position <= 28; ++position) {
    const std::string field = data.GLTABLE.Fields(position).FieldName();
    spelling.emplace_back(field, "\xE1\xFA\xEB" + std::to_string(position));
    pronunciation.emplace_back(field, "\xEA\xE0\xF2\xE0<\xE2" + std::to_string(position));
  }
  const int nekudot = dictionary.Add(data.NekudotTable, pronunciation);
  spelling.emplace_back("IdNekudot", nekudot);
  dictionary.Add(data.GLTABLE, spelling);

  // Empty fields everywhere but the items, which hold "&" (and "<").
  dictionary.AddMeaning(R{{"Item", golden ? "A & B < C" : "A & B"}}, R{},
                        R{{"Item", golden ? "R&D <x>" : "R&D"}});

  // A Russian word without translations.
  const R orphan{{"Item", "\xD1\xC8\xD0\xCE\xD2\xC0"}, {"Sex", 2}, {"Part", 5}, {"Topic", 13}};
  if (golden) {
    R dangling = orphan;
    dangling.emplace_back("IdEN", 9999);  // names no record
    dictionary.Add(data.RUTable, dangling);
  } else {
    dictionary.AddMeaning(orphan, R{}, R{});
  }

  // A verb pattern without verb-form records.
  dictionary.AddMeaning(
      R{{"Item", "\xC1\xC5\xC6\xC0\xD2\xDC"}, {"Sex", 0}, {"Part", 1}, {"Topic", 0}},
      R{{"Item", "\xF5\xF8\xE1"},
        {"Sex", 0},
        {"Part", 1},
        {"Topic", 0},
        {"Binyan", 2},
        {"Root", "\xF5\xF8\xE1"},
        {"Item_Invert", "\xE1\xF8\xF5"},
        {"Root_Invert", "\xE1\xF8\xF5"}},
      R{{"Item", "RUN"}, {"Sex", 0}, {"Part", 1}, {"Topic", 0}});
}

}  // namespace exchange
