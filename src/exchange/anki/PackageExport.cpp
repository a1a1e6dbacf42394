#include "exchange/anki/PackageExport.h"

#include <QDateTime>
#include <QDir>

#include "exchange/Export.h"
#include "exchange/anki/SpokenWords.h"
#include "speech/SettingsFile.h"

namespace exchange::anki {

bool IsPackageFile(const QString& path) {
  return path.endsWith(QStringLiteral(".apkg"), Qt::CaseInsensitive);
}

std::optional<PackageResult> ExportPackage(TDataModul& data, int count, const QString& path,
                                           const std::filesystem::path& folder,
                                           const Progress& progress) {
  const std::vector<ExchangeUnit> meanings = ReadMeanings(data, count);
  const QDir working(QString::fromStdString(std::filesystem::absolute(folder).string()));
  SpokenWords audio(
      speech::ReadSettings(working.filePath(QString::fromLatin1(speech::kSettingsFileName))));
  const QString deck = QDir::cleanPath(working.absolutePath()).section(QLatin1Char('/'), -1);
  return WritePackage(path, deck.isEmpty() ? QStringLiteral("Vocamir") : deck, meanings, audio,
                      QDateTime::currentMSecsSinceEpoch(), progress);
}

}  // namespace exchange::anki
