#pragma once

// The program's speech, without any window: one engine instance per language, the speech queue
// that keeps them from talking over each other, the speak routines, and the choice of the saved
// voices and speeds. The settings window owns the program's service; the data tool's lesson audio
// sets up its own over engines that write into a file.

#include <string>
#include <string_view>

#include "speech/Engine.h"
#include "speech/EngineSetup.h"
#include "speech/Language.h"
#include "speech/SettingsFile.h"
#include "speech/SpeechQueue.h"

namespace speech {

class SpeechService {
 public:
  // `engines` must all be set. The queue calls `setTimerEnabled` to switch its timer on and off
  // (see SpeechQueue).
  SpeechService(EngineSet engines, SpeechQueue::TimerSwitch setTimerEnabled);

  // What SelectSavedVoices found: the voices offered per language and the position in each list
  // of the voice it selected, -1 where the saved voice is not offered (the engine keeps its own).
  struct VoiceChoice {
    Discovery Found;
    int ChosenRU = -1;
    int ChosenHE = -1;
    int ChosenEN = -1;
  };
  // Discovers the voices (DiscoverEngines) and selects on each instance the saved voice of
  // `settings`, with its saved speed. Sets SpeechAvailable(). Any engine error, or a saved speed
  // that is not a number, propagates; speech is then unavailable.
  VoiceChoice SelectSavedVoices(const Settings& settings);

  // True once SelectSavedVoices found at least one Russian mode without an engine error.
  bool SpeechAvailable() const { return speechAvailable_; }

  Engine& RU() const { return *engines_.RU; }
  Engine& HE() const { return *engines_.HE; }
  Engine& EN() const { return *engines_.EN; }

  // Speak a single-byte text at once on the language's instance (see Speak.h), without checking
  // SpeechAvailable and without waiting for another instance.
  void SpeakRU(std::string_view text) const;
  void SpeakHE(std::string_view text) const;
  void SpeakEN(std::string_view text) const;

  // The speech queue (see SpeechQueue.h).
  SpeechQueue& Queue() { return queue_; }
  const SpeechQueue& Queue() const { return queue_; }

 private:
  EngineSet engines_;
  SpeechQueue queue_;
  bool speechAvailable_ = false;
};

}  // namespace speech
