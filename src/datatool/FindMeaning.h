#pragma once

// The `find` command: the meaning a language page's search stands on, printed for a terminal.
// It runs the search of the main window's boxes (browser::RunSearch), so it finds what the window
// finds.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "browser/DictionarySearch.h"

class TDataModul;

namespace datatool {

struct FindRequest {
  browser::SearchBox Box = browser::SearchBox::Russian;
  std::string Text;  // UTF-8 as typed at a terminal: Hebrew in reading order
};

// Reads the arguments after "find": at most one of --ru, --he (the Hebrew words), --root (the
// Hebrew roots) and --en, and the text. Without an option the text's letters choose: a Hebrew
// letter searches the Hebrew words, else a Cyrillic letter the Russian words, else the English
// words. Returns nothing, with `problem` set, for anything else and for an empty text.
std::optional<FindRequest> ParseFindArguments(const std::vector<std::string>& arguments,
                                              std::string& problem);

// Runs the search and prints the meaning it stands on, one "label: value" a line: the three words
// (Hebrew in reading order), the three hints, the root, the part of speech, theme and verb pattern
// (code and caption), the gender of each word and the lesson mark. A partner that the found word's
// link does not reach is named as missing. Returns kOk when the word found equals the text by its
// index's comparison (case, vowel points and final forms aside). Otherwise it says so on `err`,
// prints the meaning of the word the search stands on instead, and returns kFailed; on an empty
// dictionary it prints no meaning. Throws text::EncodeError when the text holds a character the
// searched words' code page cannot store, and store::ConversionError for an empty link.
int PrintFoundMeaning(TDataModul& data, const FindRequest& request, std::ostream& out,
                      std::ostream& err);

}  // namespace datatool
