#include "exchange/Export.h"

#include <QFileInfo>
#include <vector>

#include "dictionary/Marks.h"
#include "dictionary/MeaningFields.h"
#include "dictionary/WordFields.h"
#include "exchange/DocumentWriter.h"
#include "exchange/OutputFile.h"
#include "exchange/Stylesheet.h"
#include "store/DataModul.h"
#include "store/SqlitePersistence.h"

namespace exchange {
namespace {

using dictionary::CodeOf;
using dictionary::EnglishFields;
using dictionary::HebrewFields;
using dictionary::RussianFields;
using dictionary::WordFields;

// Progress is reported after every this many units.
constexpr int kProgressStep = 256;

// The records of one exported meaning whose marks are cleared when the export is done.
struct MarkedMeaning {
  store::Bookmark Russian;
  std::optional<store::Bookmark> Hebrew;
  std::optional<store::Bookmark> English;
};

// Reads the meaning of the current Russian record into a unit, locating its Hebrew and English
// records and, for a verb, its two verb-form records.
class UnitReader {
 public:
  UnitReader(TDataModul& data, const WordFields& fields) : Data(data), Fields(fields) {}

  // Reads the unit; when `marked` is given, records the found records' bookmarks in it.
  ExchangeUnit Read(MarkedMeaning* marked) {
    const RussianFields& ru = Fields.Russian;
    ExchangeUnit unit;
    unit.Part = CodeOf(ru.Part);
    unit.Topic = CodeOf(ru.Topic);
    unit.Words[text::Language::Russian] = {ru.Item.AsString(), ru.RussianSpeech.AsString(),
                                           CodeOf(ru.Sex)};
    if (marked != nullptr) marked->Russian = Data.RUTable().GetBookmark();

    if (Find(Data.HETable(), dictionary::kKeyField, ru.IdHE)) {
      const HebrewFields& he = Fields.Hebrew;
      unit.Words[text::Language::Hebrew] = {he.Item.AsString(), he.HebrSpeech.AsString(),
                                            CodeOf(he.Sex)};
      unit.Root = he.Root.AsString();
      unit.Binyan = CodeOf(he.Binyan);
      if (marked != nullptr) marked->Hebrew = Data.HETable().GetBookmark();
      if (unit.Binyan > 0) ReadForms(unit);
    }
    if (Find(Data.ENTable(), dictionary::kKeyField, ru.IdEN)) {
      const EnglishFields& en = Fields.English;
      unit.Words[text::Language::English] = {en.Item.AsString(), en.EnglishSpeech.AsString(),
                                             CodeOf(en.Sex)};
      if (marked != nullptr) marked->English = Data.ENTable().GetBookmark();
    }
    return unit;
  }

 private:
  // Goes to the record of `table` whose `field` equals the value of `link`; false when the link
  // is empty or names no record.
  static bool Find(store::Table& table, std::string_view field, const store::Field& link) {
    return !link.IsNull() && table.Locate(field, link.AsInteger());
  }

  void ReadForms(ExchangeUnit& unit) {
    if (!Find(Data.GLTABLE(), dictionary::kFormsToHebrew, Fields.Hebrew.Id)) return;
    for (int position = 1; position <= kFormCount; ++position) {
      unit.Spelling[position - 1] = Data.GLTABLE().Fields(position).AsString();
    }
    if (!Find(Data.NekudotTable(), dictionary::kPronunciationKey, Fields.Verb.SpellingIdNekudot))
      return;
    for (int position = 1; position <= kFormCount; ++position) {
      unit.Pronunciation[position - 1] = Data.NekudotTable().Fields(position).AsString();
    }
  }

  TDataModul& Data;
  const WordFields& Fields;
};

void ClearMark(store::Table& table, const store::Bookmark& record, store::Field select) {
  table.GotoBookmark(record);
  table.Edit();
  select.SetAsString("");
  table.Post();
}

}  // namespace

int SelectMarkedWords(TDataModul& data) { return dictionary::FilterMarked(data.RUTable()); }

int SelectAllWords(TDataModul& data) {
  data.RUTable().SetFiltered(false);
  return data.RUTable().RecordCount();
}

bool ExportDocument(TDataModul& data, const QString& path, int count, std::string_view date,
                    const Progress& progress) {
  store::Table& russian = data.RUTable();
  data.HETable().SetFiltered(false);
  data.ENTable().SetFiltered(false);
  const bool markedOnly = russian.Filtered();

  const WordFields fields(data);
  OutputFile file(path);
  DocumentWriter writer(file);
  UnitReader reader(data, fields);
  std::vector<MarkedMeaning> marked;
  writer.WriteHeader(date);
  russian.First();
  for (int done = 0; done < count; ++done) {
    if (progress && done % kProgressStep == 0 && !progress(done, count)) return false;
    if (done > 0) {
      russian.Next();
      if (russian.Eof()) break;
    }
    writer.WriteUnit(reader.Read(markedOnly ? &marked.emplace_back() : nullptr));
  }
  writer.WriteFooter();
  file.Commit();
  if (progress) progress(count, count);

  // A dictionary opened read-only is exported all the same; its marks stay.
  if (markedOnly && !russian.Database().RefusesWrites()) {
    russian.SetFiltered(false);
    // One transaction for all the cleared marks instead of one per post.
    store::BulkTransaction bulk(russian);
    for (const MarkedMeaning& meaning : marked) {
      ClearMark(russian, meaning.Russian, fields.Russian.Select);
      if (meaning.Hebrew) ClearMark(data.HETable(), *meaning.Hebrew, fields.Hebrew.Select);
      if (meaning.English) ClearMark(data.ENTable(), *meaning.English, fields.English.Select);
    }
    bulk.Commit();
  }
  WriteStylesheet(QFileInfo(path).absolutePath());
  return true;
}

std::vector<ExchangeUnit> ReadMeanings(TDataModul& data, int count) {
  data.HETable().SetFiltered(false);
  data.ENTable().SetFiltered(false);
  const WordFields fields(data);
  UnitReader reader(data, fields);
  std::vector<ExchangeUnit> meanings;
  store::Table& russian = data.RUTable();
  russian.First();
  for (int done = 0; done < count && !russian.Eof(); ++done) {
    meanings.push_back(reader.Read(nullptr));
    russian.Next();
  }
  return meanings;
}

void ReleaseWordFilters(TDataModul& data) {
  data.RUTable().SetFiltered(false);
  data.HETable().SetFiltered(false);
  data.ENTable().SetFiltered(false);
}

}  // namespace exchange
