#include "exchange/ForeignFiles.h"

#include <QDir>
#include <QFileInfo>

#include "exchange/ExchangeError.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "exchange/InputFile.h"
#include "exchange/OutputFile.h"
#include "exchange/delimited/Delimited.h"
#include "exchange/kvtml/KvtmlReader.h"
#include "exchange/kvtml/KvtmlWriter.h"

namespace exchange {
namespace {

bool HasSuffix(const QString& path, const char* suffix) {
  return path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

bool IsKvtml(const QString& path) { return HasSuffix(path, ".kvtml"); }

}  // namespace

bool IsForeignFile(const QString& path) {
  return IsKvtml(path) || HasSuffix(path, ".csv") || HasSuffix(path, ".tsv") ||
         HasSuffix(path, ".txt");
}

ForeignDocument ReadForeignFile(const QString& path) {
  const QByteArray bytes = ReadWholeFile(path);
  try {
    const std::string_view text(bytes.constData(), bytes.size());
    return IsKvtml(path) ? kvtml::ReadKvtml(text)
                         : delimited::ReadDelimited(text, delimited::DefaultSeparator(path));
  } catch (const ExchangeError& error) {
    throw ExchangeError(QStringLiteral("The file \"%1\" was not imported. ")
                            .arg(QDir::toNativeSeparators(path))
                            .toStdString() +
                        error.what());
  }
}

ImportReport ImportForeignFile(TDataModul& data, const QString& path, const Progress& progress) {
  ForeignDocument document;
  try {
    document = ReadForeignFile(path);
  } catch (const ExchangeError&) {
    EndImport(data);
    throw;
  }
  return ImportForeign(data, document, progress);
}

bool ExportForeignFile(TDataModul& data, int count, const QString& path, const Progress& progress) {
  const std::vector<ExchangeUnit> meanings = ReadMeanings(data, count);
  if (progress && !progress(0, count)) return false;
  OutputFile file(path);
  if (IsKvtml(path)) {
    kvtml::WriteKvtml(file, meanings, QFileInfo(path).completeBaseName());
  } else {
    delimited::WriteDelimited(file, meanings, delimited::DefaultSeparator(path));
  }
  file.Commit();
  if (progress) progress(count, count);
  return true;
}

}  // namespace exchange
