#pragma once

// The translation display on the three word tables.

#include <string>
#include <vector>

#include "browser/WordTables.h"

namespace browser {

// Moves the two partners of the current record of `language`'s table by nearest key on id_index
// and returns their words in status bar order. An empty link field throws
// store::ConversionError before anything is shown.
StatusTexts MovePartners(const WordTables& tables, Language language);

// One request for the speech queue.
struct SpeechRequest {
  Language language;
  std::string text;
  friend bool operator==(const SpeechRequest&, const SpeechRequest&) = default;
};

// What the translation display asks to be spoken: for each language whose auto-speak switch is
// on, in the order Russian, English, Hebrew, the speech text of that language's current record
// (its pronunciation hint, else for Russian and English its word, else a blank).
std::vector<SpeechRequest> TranslationSpeech(const WordTables& tables, bool russianOn,
                                             bool hebrewOn, bool englishOn);

}  // namespace browser
