#include "exchange/Import.h"

#include <QDir>
#include <QFile>

#include "dictionary/MeaningCommitter.h"
#include "exchange/DocumentScanner.h"
#include "exchange/DocumentStart.h"
#include "exchange/ExchangeError.h"
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
  DocumentScanner scanner(document);
  ImportResult result;
  store::BulkTransaction transaction(data.RUTable());
  dictionary::MeaningCommitter committer(data);
  std::size_t afterLastUnit = 0;
  try {
    while (const ExchangeUnit* unit = scanner.NextUnit()) {
      afterLastUnit = scanner.Position();
      if (committer.Offer(*unit)) {
        ++result.Added;
      } else {
        ++result.Skipped;
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
  for (store::Table* table : {&data.RUTable(), &data.HETable(), &data.ENTable()}) {
    table->SetFiltered(false);
    table->Last();
  }
}

}  // namespace exchange
