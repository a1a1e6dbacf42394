#pragma once

// A file written as a whole or not at all. The bytes go to a temporary file beside the target,
// which replaces the target only on Commit(); a failure, or destruction without Commit(), leaves
// the target (and any file already standing there) untouched.

#include <QSaveFile>
#include <QString>
#include <string>
#include <string_view>

namespace exchange {

// Where the exchange document's bytes go, line by line and value by value.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Appends the bytes of `text`, nothing more; an empty text writes nothing.
  virtual void WriteText(std::string_view text) = 0;
};

class OutputFile final : public ByteSink {
 public:
  // Creates the temporary file for `path`. Throws ExchangeError naming the file when it cannot
  // be created.
  explicit OutputFile(const QString& path);
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Buffers the bytes; throws ExchangeError naming the file when they cannot be written.
  void WriteText(std::string_view text) override;

  // Writes what is buffered and puts the file in place of the target. Throws ExchangeError naming
  // the file on failure, in which case the target is left as it was.
  void Commit();

 private:
  void Flush();
  [[noreturn]] void Fail(const char* what) const;

  QSaveFile File;
  std::string Buffer;
};

}  // namespace exchange
