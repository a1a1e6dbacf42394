#pragma once

// What a reader of another program's file (KVTML, delimited text) hands to the import: the
// meanings in the file's order, and everything it could not take as it stood, so that the import's
// report leaves nothing out.

#include <string>
#include <vector>

#include "dictionary/ParsedMeaning.h"

namespace exchange {

// An entry of the file that is not imported, with where it stands ("line 12", "entry 7") and why.
struct RefusedEntry {
  std::string Where;
  std::string Reason;

  bool operator==(const RefusedEntry&) const = default;
};

// A word whose characters its code page could not hold: the word as it is stored and the
// characters left out, both UTF-8, with where it stands in the file.
struct ShortenedWord {
  std::string Where;
  std::string Stored;
  std::string LeftOut;

  bool operator==(const ShortenedWord&) const = default;
};

struct ForeignDocument {
  std::vector<dictionary::ParsedMeaning> Meanings;
  std::vector<RefusedEntry> Refused;
  std::vector<ShortenedWord> Shortened;
  // What was passed over as a whole: a language of the file Vocamir does not hold, an unknown
  // column. One sentence each.
  std::vector<std::string> Notes;
};

}  // namespace exchange
