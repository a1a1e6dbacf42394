#pragma once

// The flashcard package (".apkg"): a zip holding the collection file (see AnkiCollection.h), the
// media map and, for every word, the sound of the word as Vocamir speaks it. One note per meaning
// with its three words (Hebrew in reading order) and their sounds; words that are spoken alike
// share one sound file.

#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "dictionary/ParsedMeaning.h"
#include "exchange/Progress.h"
#include "text/Language.h"

namespace exchange::anki {

// Renders what a word says into an Ogg Vorbis file.
class WordAudio {
 public:
  virtual ~WordAudio() = default;
  // Writes the sound of `spoken` (the single-byte text the program hands its engine for the word,
  // see text/SpeechText.h) into the new file `file`; returns its length in seconds, 0 when the
  // engine said nothing (no file is then needed). Throws ExchangeError on failure.
  virtual double WriteOgg(text::Language language, std::string_view spoken,
                          const std::filesystem::path& file) = 0;
};

struct PackageResult {
  int Notes = 0;
  int SoundFiles = 0;
  double SoundSeconds = 0.0;  // playing time of all sound files
};

// Writes the package of `meanings` to `path`, its deck named `deckName`. The file appears complete
// or not at all: an existing file is replaced only at the end, and a failure or cancel leaves it
// as it was. `progress` is told of every meaning (done, total) and may cancel; returns nothing
// then. `nowMs` (milliseconds since 1970) dates the collection. Throws ExchangeError naming the
// file on failure.
std::optional<PackageResult> WritePackage(const QString& path, const QString& deckName,
                                          const std::vector<dictionary::ParsedMeaning>& meanings,
                                          WordAudio& audio, std::int64_t nowMs,
                                          const Progress& progress = {});

}  // namespace exchange::anki
