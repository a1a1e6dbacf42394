#include "exchange/Import.h"

#include <QDir>

#include "dictionary/MeaningCommitter.h"
#include "exchange/DocumentScanner.h"
#include "exchange/DocumentStart.h"
#include "exchange/ExchangeError.h"
#include "exchange/InputFile.h"
#include "exchange/OfferMeanings.h"
#include "store/DataModul.h"

namespace exchange {
namespace {

// Progress is reported after every this many units.
constexpr int kProgressStep = 256;
constexpr std::string_view kUnitEnd = "</Unit>";
constexpr std::string_view kRootEnd = "</Root>";

int CountUnitEnds(std::string_view document) {
  int count = 0;
  for (std::size_t at = document.find(kUnitEnd); at != std::string_view::npos;
       at = document.find(kUnitEnd, at + kUnitEnd.size())) {
    ++count;
  }
  return count;
}

}  // namespace

ImportResult ImportDocument(TDataModul& data, const QString& path, const Progress& progress) {
  QByteArray bytes;
  try {
    bytes = ReadWholeFile(path);
  } catch (const ExchangeError&) {
    EndImport(data);
    throw;
  }
  const std::string_view document(bytes.constData(), bytes.size());
  if (!BeginsAsExchangeDocument(document)) {
    EndImport(data);
    throw ExchangeError(
        QStringLiteral("The file \"%1\" is not a Vocamir exchange document: nothing was imported.")
            .arg(QDir::toNativeSeparators(path))
            .toStdString());
  }
  return ImportBytes(data, document, progress);
}

ImportResult ImportBytes(TDataModul& data, std::string_view document, const Progress& progress) {
  DocumentScanner scanner(document);
  std::size_t afterLastUnit = 0;
  const OfferCounts counts = OfferMeanings(
      data,
      [&]() -> const ExchangeUnit* {
        const ExchangeUnit* unit = scanner.NextUnit();
        if (unit != nullptr) afterLastUnit = scanner.Position();
        return unit;
      },
      CountUnitEnds(document), progress);
  ImportResult result{counts.Added, counts.Skipped, counts.Cancelled, false};
  if (!result.Cancelled) {
    result.EndedEarly = document.find(kRootEnd, afterLastUnit) == std::string_view::npos;
  }
  return result;
}

OfferCounts OfferMeanings(TDataModul& data,
                          const std::function<const dictionary::ParsedMeaning*()>& next, int total,
                          const Progress& progress) {
  OfferCounts counts;
  store::BulkTransaction transaction(data.RUTable());
  dictionary::MeaningCommitter committer(data, total);
  try {
    while (const dictionary::ParsedMeaning* meaning = next()) {
      if (committer.Offer(*meaning)) {
        ++counts.Added;
      } else {
        ++counts.Skipped;
      }
      const int done = counts.Added + counts.Skipped;
      if (progress && done % kProgressStep == 0 && !progress(done, total)) {
        counts.Cancelled = true;
        break;
      }
    }
  } catch (const std::exception& error) {
    // A meaning the file or the database refused is left out whole; the ones before it stay.
    try {
      committer.Finish();
    } catch (const std::exception&) {
      // The tables stay in the order of their keys; the error reported is the one that stopped
      // the import.
    }
    EndImport(data);
    transaction.Commit();
    throw ExchangeError(std::string(error.what()) + " The import stopped there; " +
                        std::to_string(counts.Added) + " new meanings were added before it.");
  }
  committer.Finish();
  EndImport(data);
  transaction.Commit();
  return counts;
}

std::string EndedEarlyText(const ImportResult& result) {
  const int taken = result.Added + result.Skipped;
  return "The document ended early, before its closing </Root>; " + std::to_string(taken) +
         (taken == 1 ? " complete unit was" : " complete units were") + " taken from it (" +
         std::to_string(result.Added) + " added, " + std::to_string(result.Skipped) +
         " already in the dictionary).";
}

void EndImport(TDataModul& data) {
  for (store::Table* table : {&data.RUTable(), &data.HETable(), &data.ENTable()}) {
    table->SetFiltered(false);
    table->Last();
  }
}

}  // namespace exchange
