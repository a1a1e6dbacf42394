#pragma once

// Unicode text from another program's file into the bytes of a word field. A character the
// field's code page cannot hold is left out and noted, never guessed at.

#include <QStringView>
#include <functional>
#include <string>
#include <vector>

#include "exchange/ForeignDocument.h"
#include "text/Codepage.h"

namespace exchange {

class FieldEncoder {
 public:
  // Notes every shortened word in `shortened`.
  explicit FieldEncoder(std::vector<ShortenedWord>& shortened) : shortened_(shortened) {}

  // Names the place of a text in the file for the note ("line 3, English"); called only when the
  // text loses characters.
  using Where = std::function<std::string()>;

  // The bytes of `text` in `codepage`, without the characters it cannot hold (a character outside
  // the Basic Multilingual Plane counts as one).
  std::string Encode(QStringView text, text::Codepage codepage, const Where& where);

  // A Hebrew text in reading order (as files hold it) to the stored display order, Windows-1255.
  std::string EncodeHebrew(QStringView text, const Where& where);

 private:
  std::vector<ShortenedWord>& shortened_;
};

// A Hebrew field's bytes (display order, Windows-1255) in reading order, as files hold it.
QString HebrewReadingOrder(const std::string& stored);

}  // namespace exchange
