#include "dictionary/MeaningCommitter.h"

#include <algorithm>
#include <string_view>

#include "dictionary/CreateMeaning.h"
#include "dictionary/MeaningFields.h"
#include "store/Collation.h"
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

// A Russian or English word as `item_index` compares it: two words are equal there exactly when
// their keys are equal.
std::string FoldedKey(std::string_view word) {
  std::string key(word);
  for (char& byte : key) byte = static_cast<char>(store::SortKey1251(byte));
  return key;
}

// The keys of one field of every record of `table`; an empty field gives the empty key.
template <typename Key>
std::unordered_set<std::string> KeysOfTable(const store::Table& table, const store::Field& field,
                                            int expected, const Key& keyOf) {
  std::unordered_set<std::string> keys;
  const int position = table.FieldPosition(field.FieldName());
  keys.reserve(static_cast<std::size_t>(table.RowCount()) + std::max(expected, 0));
  for (int row = 0; row < table.RowCount(); ++row) {
    keys.insert(keyOf(table.RowText(row, position).value_or(std::string())));
  }
  return keys;
}

std::string Same(std::string_view word) { return std::string(word); }

// The key after the largest of a table in the order of its keys. A table whose largest record was
// deleted gives its next record a larger key still.
int KeyAfterLast(store::Table& table, const store::Field& key) {
  if (table.IsEmpty()) return 1;
  table.Last();
  return key.AsInteger() + 1;
}

}  // namespace

MeaningCommitter::MeaningCommitter(TDataModul& data, int expected) : data_(data), fields_(data) {
  for (store::Table* table : {&data.RUTable(), &data.HETable(), &data.ENTable()}) {
    table->SetFiltered(false);
  }
  russian_ = KeysOfTable(data.RUTable(), fields_.Russian.Item, expected, FoldedKey);
  english_ = KeysOfTable(data.ENTable(), fields_.English.Item, expected, FoldedKey);
  hebrew_ = KeysOfTable(data.HETable(), fields_.Hebrew.ItemInvert, expected, Same);
  for (store::Table* table : {&data.RUTable(), &data.HETable(), &data.ENTable()}) {
    UseIndexNamed(*table, "");
    table->ReleaseIdleIndexes();
  }
  nextHebrew_ = KeyAfterLast(data.HETable(), fields_.Hebrew.Id);
  nextEnglish_ = KeyAfterLast(data.ENTable(), fields_.English.Id);
}

void MeaningCommitter::Finish() {
  UseIndexNamed(data_.RUTable(), "item_index");
  UseIndexNamed(data_.ENTable(), "item_index");
  UseIndexNamed(data_.HETable(), "invert_index");
}

MeaningCommitter::WordKeys MeaningCommitter::KeysOf(const ParsedMeaning& meaning) {
  return {FoldedKey(meaning.Words[text::Language::Russian].Item),
          text::InvertText(meaning.Words[text::Language::Hebrew].Item),
          FoldedKey(meaning.Words[text::Language::English].Item)};
}

bool MeaningCommitter::Offer(const ParsedMeaning& meaning) {
  WordKeys keys = KeysOf(meaning);
  if (IsInDictionary(keys)) return false;
  store::WriteUnit({&data_.RUTable(), &data_.HETable(), &data_.ENTable(), &data_.GLTABLE(),
                    &data_.NekudotTable()})
      .Run([&] { Commit(meaning); });
  russian_.insert(std::move(keys.Russian));
  hebrew_.insert(std::move(keys.Hebrew));
  english_.insert(std::move(keys.English));
  return true;
}

bool MeaningCommitter::IsInDictionary(const WordKeys& keys) const {
  return russian_.contains(keys.Russian) && english_.contains(keys.English) &&
         hebrew_.contains(keys.Hebrew);
}

// Each record is posted with its own values, the links to the records posted before it, and
// the keys the records posted after it are expected to take. Where a key comes out otherwise,
// the Russian and the Hebrew record are posted again with the keys taken. Every record is posted
// on return.
void MeaningCommitter::Commit(const ParsedMeaning& meaning) {
  const int russianId = AddRussian(meaning, nextHebrew_, nextEnglish_);
  const int hebrewId = AddHebrew(meaning, russianId, nextEnglish_);
  if (meaning.Binyan > 0) AddForms(meaning, hebrewId);
  const int englishId = AddEnglish(meaning, russianId, hebrewId);

  if (hebrewId != nextHebrew_ || englishId != nextEnglish_) {
    data_.RUTable().Edit();
    fields_.Russian.IdHE.SetAsInteger(hebrewId);
    fields_.Russian.IdEN.SetAsInteger(englishId);
    data_.RUTable().Post();
  }
  if (englishId != nextEnglish_) {
    data_.HETable().Edit();
    fields_.Hebrew.IdEN.SetAsInteger(englishId);
    data_.HETable().Post();
  }
  nextHebrew_ = hebrewId + 1;
  nextEnglish_ = englishId + 1;
}

int MeaningCommitter::AddHebrew(const ParsedMeaning& meaning, int russianId, int englishId) {
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
  he.IdEN.SetAsInteger(englishId);
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

int MeaningCommitter::AddRussian(const ParsedMeaning& meaning, int hebrewId, int englishId) {
  RussianFields& ru = fields_.Russian;
  const ParsedWord& russian = meaning.Words[text::Language::Russian];
  data_.RUTable().Insert();
  SetText(ru.Item, russian.Item);
  SetText(ru.RussianSpeech, russian.Speech);
  ru.Sex.SetAsInteger(russian.Sex);
  ru.Part.SetAsInteger(meaning.Part);
  ru.Topic.SetAsInteger(meaning.Topic);
  ru.IdHE.SetAsInteger(hebrewId);
  ru.IdEN.SetAsInteger(englishId);
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
