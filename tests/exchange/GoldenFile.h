#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace exchange {

// The bytes of a file, or "<missing>" when it cannot be read.
inline std::string ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

// The bytes of a checked-in expected file.
inline std::string Golden(const char* name) {
  return ReadBytes(QStringLiteral(EXCHANGE_GOLDEN_DIR "/") + QString::fromLatin1(name));
}

}  // namespace exchange
