#include "dictionary/MeaningCommitter.h"

#include <string_view>

#include "dictionary/CreateMeaning.h"
#include "dictionary/MeaningFields.h"
#include "store/DataModul.h"
#include "store/WriteUnit.h"
#include "text/InvertText.h"

namespace dictionary {
namespace {

// Sets the active index unless it is already the one.
void UseIndexNamed(store::Table& table, std::string_view name) {
  if (table.IndexName() != name) table.SetIndexName(name);
}

void Unfilter(store::Table& table) {
  if (table.Filtered()) table.SetFiltered(false);
}

// Looks up an item on the active index. An empty item finds a record whose item is empty, since
// the tables keep an empty text and an empty field alike; empty fields come first in any index.
bool FindItem(store::Table& table, const store::Field& indexed, const std::string& item) {
  if (!item.empty()) return table.FindKey(item);
  table.First();
  return !table.IsEmpty() && indexed.AsString().empty();
}

// Looks up a Hebrew word by its exact bytes. The word index reads words without their vowel
// points and final forms, but a pointed spelling is a word of its own beside the unpointed one.
bool FindHebrewItem(store::Table& table, const store::Field& indexed, const std::string& item) {
  if (!item.empty()) return table.Locate(indexed.FieldName(), item);
  return FindItem(table, indexed, item);
}

}  // namespace

MeaningCommitter::MeaningCommitter(TDataModul& data) : data_(data), fields_(data) {
  for (store::Table* table : {&data.RUTable(), &data.HETable(), &data.ENTable()}) {
    table->SetFiltered(false);
  }
}

bool MeaningCommitter::Offer(const ParsedMeaning& meaning) {
  if (IsInDictionary(meaning)) return false;
  store::WriteUnit({&data_.RUTable(), &data_.HETable(), &data_.ENTable(), &data_.GLTABLE(),
                    &data_.NekudotTable()})
      .Run([&] { Commit(meaning); });
  return true;
}

bool MeaningCommitter::IsInDictionary(const ParsedMeaning& meaning) {
  UseIndexNamed(data_.RUTable(), "item_index");
  const bool russian =
      FindItem(data_.RUTable(), fields_.Russian.Item, meaning.Words[text::Language::Russian].Item);
  UseIndexNamed(data_.ENTable(), "item_index");
  const bool english =
      FindItem(data_.ENTable(), fields_.English.Item, meaning.Words[text::Language::English].Item);
  UseIndexNamed(data_.HETable(), "invert_index");
  const bool hebrew = FindHebrewItem(data_.HETable(), fields_.Hebrew.ItemInvert,
                                     text::InvertText(meaning.Words[text::Language::Hebrew].Item));
  return russian && english && hebrew;
}

// Each record is posted with its own values and the links to the records posted before it,
// which gives it its key; the Russian and the Hebrew record are posted again for the links to
// the records posted after them. Every record is posted on return.
void MeaningCommitter::Commit(const ParsedMeaning& meaning) {
  const int russianId = AddRussian(meaning);
  const int hebrewId = AddHebrew(meaning, russianId);
  if (meaning.Binyan > 0) AddForms(meaning, hebrewId);
  const int englishId = AddEnglish(meaning, russianId, hebrewId);

  data_.RUTable().Edit();
  fields_.Russian.IdHE.SetAsInteger(hebrewId);
  fields_.Russian.IdEN.SetAsInteger(englishId);
  data_.RUTable().Post();
  data_.HETable().Edit();
  fields_.Hebrew.IdEN.SetAsInteger(englishId);
  data_.HETable().Post();
}

int MeaningCommitter::AddHebrew(const ParsedMeaning& meaning, int russianId) {
  HebrewFields& he = fields_.Hebrew;
  const ParsedWord& hebrew = meaning.Words[text::Language::Hebrew];
  data_.HETable().Insert();
  SetText(he.Item, hebrew.Item);
  SetText(he.ItemInvert, text::InvertText(hebrew.Item));
  SetText(he.HebrSpeech, hebrew.Speech);
  he.Sex.SetAsInteger(hebrew.Sex);
  he.Part.SetAsInteger(meaning.Part);
  he.Topic.SetAsInteger(meaning.Topic);
  SetText(he.Root, meaning.Root);
  SetText(he.RootInvert, text::InvertText(meaning.Root));
  he.Binyan.SetAsInteger(meaning.Binyan);
  he.IdRU.SetAsInteger(russianId);
  he.Select.SetAsString(kMark);
  data_.HETable().Post();
  return he.Id.AsInteger();
}

int MeaningCommitter::AddEnglish(const ParsedMeaning& meaning, int russianId, int hebrewId) {
  EnglishFields& en = fields_.English;
  const ParsedWord& english = meaning.Words[text::Language::English];
  data_.ENTable().Insert();
  SetText(en.Item, english.Item);
  SetText(en.EnglishSpeech, english.Speech);
  en.Sex.SetAsInteger(english.Sex);
  en.Part.SetAsInteger(meaning.Part);
  en.Topic.SetAsInteger(meaning.Topic);
  en.IdRU.SetAsInteger(russianId);
  en.IdHE.SetAsInteger(hebrewId);
  en.Select.SetAsString(kMark);
  data_.ENTable().Post();
  return en.Id.AsInteger();
}

int MeaningCommitter::AddRussian(const ParsedMeaning& meaning) {
  RussianFields& ru = fields_.Russian;
  const ParsedWord& russian = meaning.Words[text::Language::Russian];
  data_.RUTable().Insert();
  SetText(ru.Item, russian.Item);
  SetText(ru.RussianSpeech, russian.Speech);
  ru.Sex.SetAsInteger(russian.Sex);
  ru.Part.SetAsInteger(meaning.Part);
  ru.Topic.SetAsInteger(meaning.Topic);
  ru.Select.SetAsString(kMark);
  data_.RUTable().Post();
  return ru.Id.AsInteger();
}

// The verb's pronunciations (posted first, for their key) and spellings, linked to the Hebrew
// word.
void MeaningCommitter::AddForms(const ParsedMeaning& meaning, int hebrewId) {
  store::Table& pronunciation = data_.NekudotTable();
  store::Table& spelling = data_.GLTABLE();
  Unfilter(pronunciation);
  Unfilter(spelling);
  pronunciation.Insert();
  for (int position = 1; position <= kFormCount; ++position) {
    SetText(pronunciation.Fields(position), meaning.Pronunciation[position - 1]);
  }
  pronunciation.Post();
  const int pronunciationId = fields_.Verb.PronunciationId.AsInteger();
  spelling.Insert();
  for (int position = 1; position <= kFormCount; ++position) {
    SetText(spelling.Fields(position), meaning.Spelling[position - 1]);
  }
  LinkVerbForms(spelling, hebrewId, pronunciationId);
  spelling.Post();
}

}  // namespace dictionary
