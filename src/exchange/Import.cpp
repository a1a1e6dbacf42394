#include "exchange/Import.h"

#include <QDir>
#include <QFile>

#include "exchange/DocumentScanner.h"
#include "exchange/ExchangeError.h"
#include "exchange/WordFields.h"
#include "store/DataModul.h"
#include "text/InvertText.h"

namespace exchange {
namespace {

// Progress is reported after every this many units.
constexpr int kProgressStep = 256;
constexpr std::string_view kUnitEnd = "</Unit>";

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

// Inserts and posts an empty record, so that it gets its key, and returns the key.
int InsertKeyed(store::Table& table, const store::Field& key) {
  table.Insert();
  table.Post();
  return key.AsInteger();
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
  void Commit(const ExchangeUnit& unit) {
    RussianFields& ru = Fields.Russian;
    HebrewFields& he = Fields.Hebrew;
    EnglishFields& en = Fields.English;
    const int russianId = InsertKeyed(Data.RUTable, ru.Id);
    const int hebrewId = InsertKeyed(Data.HETable, he.Id);
    const int englishId = InsertKeyed(Data.ENTable, en.Id);
    Data.RUTable.Edit();
    Data.HETable.Edit();
    Data.ENTable.Edit();

    const ExchangeWord& russian = unit.Words[kRussian];
    const ExchangeWord& hebrew = unit.Words[kHebrew];
    const ExchangeWord& english = unit.Words[kEnglish];
    SetText(he.Item, hebrew.Item);
    SetText(ru.Item, russian.Item);
    SetText(en.Item, english.Item);
    if (unit.Binyan > 0) CommitForms(unit, hebrewId);

    SetText(he.HebrSpeech, hebrew.Speech);
    SetText(ru.RussianSpeech, russian.Speech);
    SetText(en.EnglishSpeech, english.Speech);
    for (store::Field* part : {&ru.Part, &he.Part, &en.Part}) part->SetAsInteger(unit.Part);
    for (store::Field* topic : {&ru.Topic, &he.Topic, &en.Topic}) {
      topic->SetAsInteger(unit.Topic);
    }
    ru.Sex.SetAsInteger(russian.Sex);
    he.Sex.SetAsInteger(hebrew.Sex);
    en.Sex.SetAsInteger(english.Sex);
    SetText(he.Root, unit.Root);
    he.Binyan.SetAsInteger(unit.Binyan);
    SetText(he.ItemInvert, text::InvertText(hebrew.Item));
    SetText(he.RootInvert, text::InvertText(unit.Root));

    ru.IdHE.SetAsInteger(hebrewId);
    ru.IdEN.SetAsInteger(englishId);
    he.IdRU.SetAsInteger(russianId);
    he.IdEN.SetAsInteger(englishId);
    en.IdRU.SetAsInteger(russianId);
    en.IdHE.SetAsInteger(hebrewId);
    for (store::Field* select : {&ru.Select, &en.Select, &he.Select}) {
      select->SetAsString("*");
    }
    Data.RUTable.Post();
    Data.HETable.Post();
    Data.ENTable.Post();
  }

  // The end state of an import: the word tables unfiltered, each on its last record.
  void Finish() {
    for (store::Table* table : {&Data.RUTable, &Data.HETable, &Data.ENTable}) {
      table->SetFiltered(false);
      table->Last();
    }
  }

 private:
  void CommitForms(const ExchangeUnit& unit, int hebrewId) {
    store::Table& spelling = Data.GLTABLE;
    store::Table& pronunciation = Data.NekudotTable;
    Unfilter(pronunciation);
    Unfilter(spelling);
    const int pronunciationId = InsertKeyed(pronunciation, Fields.Verb.PronunciationId);
    spelling.Insert();
    spelling.Post();
    pronunciation.Edit();
    spelling.Edit();
    for (int position = 1; position <= kFormCount; ++position) {
      SetText(spelling.Fields(position), unit.Spelling[position - 1]);
      SetText(pronunciation.Fields(position), unit.Pronunciation[position - 1]);
    }
    pronunciation.Post();
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
    throw ExchangeError(QStringLiteral("The file \"%1\" cannot be opened: %2.")
                            .arg(name, file.errorString())
                            .toStdString());
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    throw ExchangeError(QStringLiteral("The file \"%1\" cannot be read: %2.")
                            .arg(name, file.errorString())
                            .toStdString());
  }
  return ImportBytes(data, std::string_view(bytes.constData(), bytes.size()), progress);
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
  try {
    while (const ExchangeUnit* unit = scanner.NextUnit()) {
      if (committer.IsDuplicate(*unit)) {
        ++result.Skipped;
      } else {
        committer.Commit(*unit);
        ++result.Added;
      }
      const int done = result.Added + result.Skipped;
      if (progress && done % kProgressStep == 0 && !progress(done, total)) {
        result.Cancelled = true;
        break;
      }
    }
  } catch (const ExchangeError& error) {
    committer.Finish();
    transaction.Commit();
    throw ExchangeError(std::string(error.what()) + " The import stopped there; " +
                        std::to_string(result.Added) + " new meanings were added before it.");
  }
  committer.Finish();
  transaction.Commit();
  return result;
}

}  // namespace exchange
