#include "exchange/Import.h"

#include <QDir>
#include <QFile>

#include "exchange/DocumentScanner.h"
#include "exchange/DocumentStart.h"
#include "exchange/ExchangeError.h"
#include "exchange/WordFields.h"
#include "store/DataModul.h"
#include "store/WriteUnit.h"
#include "text/InvertText.h"

namespace exchange {
namespace {

// Progress is reported after every this many units.
constexpr int kProgressStep = 256;
constexpr std::string_view kUnitEnd = "</Unit>";
constexpr std::string_view kRootEnd = "</Root>";
// The lesson mark every imported word carries.
constexpr std::string_view kMark = "*";

int CountUnitEnds(std::string_view document) {
  int count = 0;
  for (std::size_t at = document.find(kUnitEnd); at != std::string_view::npos;
       at = document.find(kUnitEnd, at + kUnitEnd.size())) {
    ++count;
  }
  return count;
}

// Sets the active index unless it is already the one.
void UseIndex(store::Table& table, std::string_view name) {
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

// Turns units into meanings of the dictionary.
class UnitCommitter {
 public:
  explicit UnitCommitter(TDataModul& data) : Data(data), Fields(data) {}

  // Looks up each of the unit's three words by itself (the Hebrew one by its reversal); true when
  // all three are there, whether or not they belong to one meaning.
  bool IsDuplicate(const ExchangeUnit& unit) {
    UseIndex(Data.RUTable, "item_index");
    const bool russian = FindItem(Data.RUTable, Fields.Russian.Item, unit.Words[kRussian].Item);
    UseIndex(Data.ENTable, "item_index");
    const bool english = FindItem(Data.ENTable, Fields.English.Item, unit.Words[kEnglish].Item);
    UseIndex(Data.HETable, "invert_index");
    const bool hebrew = FindItem(Data.HETable, Fields.Hebrew.ItemInvert,
                                 text::InvertText(unit.Words[kHebrew].Item));
    return russian && english && hebrew;
  }

  // Adds the unit as a new meaning: three linked, marked word records and, when its Binyan is
  // greater than 0, its verb-form records. Every record is posted on return.
  //
  // Each record is posted with its own values and the links to the records posted before it,
  // which gives it its key; the Russian and the Hebrew record are posted again for the links to
  // the records posted after them.
  void Commit(const ExchangeUnit& unit) {
    const int russianId = AddRussian(unit);
    const int hebrewId = AddHebrew(unit, russianId);
    if (unit.Binyan > 0) AddForms(unit, hebrewId);
    const int englishId = AddEnglish(unit, russianId, hebrewId);

    Data.RUTable.Edit();
    Fields.Russian.IdHE.SetAsInteger(hebrewId);
    Fields.Russian.IdEN.SetAsInteger(englishId);
    Data.RUTable.Post();
    Data.HETable.Edit();
    Fields.Hebrew.IdEN.SetAsInteger(englishId);
    Data.HETable.Post();
  }

 private:
  int AddHebrew(const ExchangeUnit& unit, int russianId) {
    HebrewFields& he = Fields.Hebrew;
    const ExchangeWord& hebrew = unit.Words[kHebrew];
    Data.HETable.Insert();
    SetText(he.Item, hebrew.Item);
    SetText(he.ItemInvert, text::InvertText(hebrew.Item));
    SetText(he.HebrSpeech, hebrew.Speech);
    he.Sex.SetAsInteger(hebrew.Sex);
    he.Part.SetAsInteger(unit.Part);
    he.Topic.SetAsInteger(unit.Topic);
    SetText(he.Root, unit.Root);
    SetText(he.RootInvert, text::InvertText(unit.Root));
    he.Binyan.SetAsInteger(unit.Binyan);
    he.IdRU.SetAsInteger(russianId);
    he.Select.SetAsString(kMark);
    Data.HETable.Post();
    return he.Id.AsInteger();
  }

  int AddEnglish(const ExchangeUnit& unit, int russianId, int hebrewId) {
    EnglishFields& en = Fields.English;
    const ExchangeWord& english = unit.Words[kEnglish];
    Data.ENTable.Insert();
    SetText(en.Item, english.Item);
    SetText(en.EnglishSpeech, english.Speech);
    en.Sex.SetAsInteger(english.Sex);
    en.Part.SetAsInteger(unit.Part);
    en.Topic.SetAsInteger(unit.Topic);
    en.IdRU.SetAsInteger(russianId);
    en.IdHE.SetAsInteger(hebrewId);
    en.Select.SetAsString(kMark);
    Data.ENTable.Post();
    return en.Id.AsInteger();
  }

  int AddRussian(const ExchangeUnit& unit) {
    RussianFields& ru = Fields.Russian;
    const ExchangeWord& russian = unit.Words[kRussian];
    Data.RUTable.Insert();
    SetText(ru.Item, russian.Item);
    SetText(ru.RussianSpeech, russian.Speech);
    ru.Sex.SetAsInteger(russian.Sex);
    ru.Part.SetAsInteger(unit.Part);
    ru.Topic.SetAsInteger(unit.Topic);
    ru.Select.SetAsString(kMark);
    Data.RUTable.Post();
    return ru.Id.AsInteger();
  }

  // The verb's pronunciations (posted first, for their key) and spellings, linked to the Hebrew
  // word.
  void AddForms(const ExchangeUnit& unit, int hebrewId) {
    store::Table& pronunciation = Data.NekudotTable;
    store::Table& spelling = Data.GLTABLE;
    Unfilter(pronunciation);
    Unfilter(spelling);
    pronunciation.Insert();
    for (int position = 1; position <= kFormCount; ++position) {
      SetText(pronunciation.Fields(position), unit.Pronunciation[position - 1]);
    }
    pronunciation.Post();
    const int pronunciationId = Fields.Verb.PronunciationId.AsInteger();
    spelling.Insert();
    for (int position = 1; position <= kFormCount; ++position) {
      SetText(spelling.Fields(position), unit.Spelling[position - 1]);
    }
    Fields.Verb.SpellingIdNekudot.SetAsInteger(pronunciationId);
    Fields.Verb.SpellingIdHE.SetAsInteger(hebrewId);
    spelling.Post();
  }

  TDataModul& Data;
  WordFields Fields;
};

}  // namespace

ImportResult ImportDocument(TDataModul& data, const QString& path, const Progress& progress) {
  QFile file(path);
  const QString name = QDir::toNativeSeparators(path);
  if (!file.open(QIODevice::ReadOnly)) {
    EndImport(data);
    throw ExchangeError(QStringLiteral("The file \"%1\" cannot be opened: %2.")
                            .arg(name, file.errorString())
                            .toStdString());
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    EndImport(data);
    throw ExchangeError(QStringLiteral("The file \"%1\" cannot be read: %2.")
                            .arg(name, file.errorString())
                            .toStdString());
  }
  const std::string_view document(bytes.constData(), bytes.size());
  if (!BeginsAsExchangeDocument(document)) {
    EndImport(data);
    throw ExchangeError(
        QStringLiteral("The file \"%1\" is not a Vocamir exchange document: nothing was imported.")
            .arg(name)
            .toStdString());
  }
  return ImportBytes(data, document, progress);
}

ImportResult ImportBytes(TDataModul& data, std::string_view document, const Progress& progress) {
  const int total = CountUnitEnds(document);
  UnitCommitter committer(data);
  DocumentScanner scanner(document);
  ImportResult result;
  store::BulkTransaction transaction(data.RUTable);
  // The duplicate check sees the whole dictionary, not what a filter of the window leaves.
  for (store::Table* table : {&data.RUTable, &data.HETable, &data.ENTable}) {
    table->SetFiltered(false);
  }
  std::size_t afterLastUnit = 0;
  try {
    while (const ExchangeUnit* unit = scanner.NextUnit()) {
      afterLastUnit = scanner.Position();
      if (committer.IsDuplicate(*unit)) {
        ++result.Skipped;
      } else {
        store::WriteUnit(
            {&data.RUTable, &data.HETable, &data.ENTable, &data.GLTABLE, &data.NekudotTable})
            .Run([&] { committer.Commit(*unit); });
        ++result.Added;
      }
      const int done = result.Added + result.Skipped;
      if (progress && done % kProgressStep == 0 && !progress(done, total)) {
        result.Cancelled = true;
        break;
      }
    }
  } catch (const std::exception& error) {
    // A unit the document or the database refused is left out whole; the ones before it stay.
    EndImport(data);
    transaction.Commit();
    throw ExchangeError(std::string(error.what()) + " The import stopped there; " +
                        std::to_string(result.Added) + " new meanings were added before it.");
  }
  if (!result.Cancelled) {
    result.EndedEarly = document.find(kRootEnd, afterLastUnit) == std::string_view::npos;
  }
  EndImport(data);
  transaction.Commit();
  return result;
}

std::string EndedEarlyText(const ImportResult& result) {
  const int taken = result.Added + result.Skipped;
  return "The document ended early, before its closing </Root>; " + std::to_string(taken) +
         (taken == 1 ? " complete unit was" : " complete units were") + " taken from it (" +
         std::to_string(result.Added) + " added, " + std::to_string(result.Skipped) +
         " already in the dictionary).";
}

void EndImport(TDataModul& data) {
  for (store::Table* table : {&data.RUTable, &data.HETable, &data.ENTable}) {
    table->SetFiltered(false);
    table->Last();
  }
}

}  // namespace exchange
