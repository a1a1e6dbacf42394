#pragma once

// Speech rendered into samples instead of played: the three engine instances with the saved
// voices and speeds of a settings file, each text synthesised at once and handed back. For audio
// files made away from the windows (a lesson's audio, the spoken words of a package).

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "speech/SettingsFile.h"
#include "speech/SpeechService.h"
#include "text/Language.h"

namespace speech {

class SynthesisWorker;

class OfflineSpeech {
 public:
  // Sets the engines up with `settings`' voices and speeds as the settings window would choose
  // them at start. Throws std::runtime_error with the text for the user when espeak-ng cannot
  // start or no voice is installed.
  explicit OfflineSpeech(const Settings& settings);
  ~OfflineSpeech();
  OfflineSpeech(const OfflineSpeech&) = delete;
  OfflineSpeech& operator=(const OfflineSpeech&) = delete;

  // Mono 16-bit samples at this rate.
  int SampleRate() const;

  // The samples of `bytes`, a single-byte text of `language` (see Speak.h), spoken by that
  // language's instance; empty when the engine says nothing.
  std::vector<std::int16_t> Render(text::Language language, std::string_view bytes);

 private:
  class Capture;

  std::shared_ptr<SynthesisWorker> worker_;
  std::array<Capture*, 3> captures_{};  // owned by the engines, Russian first
  std::unique_ptr<SpeechService> voices_;
};

}  // namespace speech
