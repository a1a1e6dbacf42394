#pragma once

// Unicode text from another program's file into the bytes of a word field. A character the
// field's code page cannot hold is left out and noted, never guessed at.

#include <QStringView>
#include <string>
#include <vector>

#include "exchange/ForeignDocument.h"
#include "text/Codepage.h"

namespace exchange {

class FieldEncoder {
 public:
  // Notes every shortened word in `shortened`.
  explicit FieldEncoder(std::vector<ShortenedWord>& shortened) : shortened_(shortened) {}

  // The bytes of `text` in `codepage`, without the characters it cannot hold (a character outside
  // the Basic Multilingual Plane counts as one); `where` names the place in the file for the note.
  std::string Encode(QStringView text, text::Codepage codepage, const std::string& where);

  // A Hebrew text in reading order (as files hold it) to the stored display order, Windows-1255.
  std::string EncodeHebrew(QStringView text, const std::string& where);

 private:
  std::vector<ShortenedWord>& shortened_;
};

// A Hebrew field's bytes (display order, Windows-1255) in reading order, as files hold it.
QString HebrewReadingOrder(const std::string& stored);

}  // namespace exchange
