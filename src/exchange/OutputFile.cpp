#include "exchange/OutputFile.h"

#include <QDir>

#include "exchange/ExchangeError.h"

namespace exchange {
namespace {

// Small writes collect here and reach the file in blocks of this size.
constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

OutputFile::OutputFile(const QString& path) : File(path) {
  if (!File.open(QIODevice::WriteOnly)) Fail("The file \"%1\" cannot be created: %2.");
  Buffer.reserve(kBlockSize);
}

void OutputFile::WriteText(std::string_view text) {
  Buffer.append(text);
  if (Buffer.size() >= kBlockSize) Flush();
}

void OutputFile::Commit() {
  Flush();
  if (!File.commit()) Fail("The file \"%1\" cannot be written: %2.");
}

void OutputFile::Flush() {
  if (Buffer.empty()) return;
  if (File.write(Buffer.data(), static_cast<qint64>(Buffer.size())) !=
      static_cast<qint64>(Buffer.size())) {
    Fail("The file \"%1\" cannot be written: %2.");
  }
  Buffer.clear();
}

void OutputFile::Fail(const char* what) const {
  const QString message =
      QString::fromLatin1(what).arg(QDir::toNativeSeparators(File.fileName()), File.errorString());
  throw ExchangeError(message.toStdString());
}

}  // namespace exchange
