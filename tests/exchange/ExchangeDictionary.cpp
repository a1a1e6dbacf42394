#include "ExchangeDictionary.h"

namespace exchange {

void FillSmallDictionary(TDataModul& data, SmallDictionary variant) {
  const bool golden = variant == SmallDictionary::Golden;
  using R = test::TestRecord;
  // A noun, with stress marks in its hints.
  test::AddMeaningRecords(
      data,
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
      test::AddMeaningRecords(data,
                              R{{"Item", "\xCF\xC8\xD1\xC0\xD2\xDC"},
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
    const std::string field = data.GLTABLE().Fields(position).FieldName();
    spelling.emplace_back(field, "\xE1\xFA\xEB" + std::to_string(position));
    pronunciation.emplace_back(field, "\xEA\xE0\xF2\xE0<\xE2" + std::to_string(position));
  }
  const int nekudot = test::AddRecord(data.NekudotTable(), pronunciation);
  spelling.emplace_back("IdNekudot", nekudot);
  test::AddRecord(data.GLTABLE(), spelling);

  // Empty fields everywhere but the items, which hold "&" (and "<").
  test::AddMeaningRecords(data, R{{"Item", golden ? "A & B < C" : "A & B"}}, R{},
                          R{{"Item", golden ? "R&D <x>" : "R&D"}});

  // A Russian word without translations.
  const R orphan{{"Item", "\xD1\xC8\xD0\xCE\xD2\xC0"}, {"Sex", 2}, {"Part", 5}, {"Topic", 13}};
  if (golden) {
    R dangling = orphan;
    dangling.emplace_back("IdEN", 9999);  // names no record
    test::AddRecord(data.RUTable(), dangling);
  } else {
    test::AddMeaningRecords(data, orphan, R{}, R{});
  }

  // A verb pattern without verb-form records.
  test::AddMeaningRecords(
      data, R{{"Item", "\xC1\xC5\xC6\xC0\xD2\xDC"}, {"Sex", 0}, {"Part", 1}, {"Topic", 0}},
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
