#pragma once

// The sounds of a package as Vocamir speaks its words: espeak-ng with the voices and speeds of
// the settings file, each word written as an Ogg Vorbis file.

#include "exchange/anki/AnkiPackage.h"
#include "speech/OfflineSpeech.h"

namespace exchange::anki {

class SpokenWords final : public WordAudio {
 public:
  // Throws std::runtime_error with the text for the user when speech is not usable.
  explicit SpokenWords(const speech::Settings& settings) : speech_(settings) {}

  double WriteOgg(text::Language language, std::string_view spoken,
                  const std::filesystem::path& file) override;

 private:
  speech::OfflineSpeech speech_;
};

}  // namespace exchange::anki
