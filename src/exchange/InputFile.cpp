#include "exchange/InputFile.h"

#include <QDir>
#include <QFile>

#include "exchange/ExchangeError.h"

namespace exchange {

QByteArray ReadWholeFile(const QString& path) {
  QFile file(path);
  const QString name = QDir::toNativeSeparators(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw ExchangeError(QStringLiteral("The file \"%1\" cannot be opened: %2.")
                            .arg(name, file.errorString())
                            .toStdString());
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    throw ExchangeError(QStringLiteral("The file \"%1\" cannot be read: %2.")
                            .arg(name, file.errorString())
                            .toStdString());
  }
  return bytes;
}

}  // namespace exchange
