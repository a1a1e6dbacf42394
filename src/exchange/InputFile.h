#pragma once

#include <QByteArray>
#include <QString>

namespace exchange {

// The whole file's bytes. Throws ExchangeError naming the file when it cannot be opened or read.
QByteArray ReadWholeFile(const QString& path);

}  // namespace exchange
