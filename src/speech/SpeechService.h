#pragma once

// The program's speech, without any window: one engine instance per language, the speech queue
// that keeps them from talking over each other, the speak routines, and the choice of the saved
// voices and speeds. The settings window owns the program's service and shows its choices one
// language at a time; the data tool's lesson audio sets up its own over engines that write into a
// file.

#include <string>
#include <string_view>

#include "speech/Engine.h"
#include "speech/EngineSetup.h"
#include "speech/SettingsFile.h"
#include "speech/SpeechQueue.h"
#include "text/Language.h"

namespace speech {

class SpeechService {
 public:
  // `engines` must all be set. The queue calls `setTimerEnabled` to switch its timer on and off
  // (see SpeechQueue).
  SpeechService(EngineSet engines, SpeechQueue::TimerSwitch setTimerEnabled);

  // Discovers the voices of the three instances (DiscoverEngines) and sets SpeechAvailable() from
  // what it found. Any engine error propagates and leaves speech unavailable.
  Discovery DiscoverVoices();

  // Selects on `language`'s instance the voice saved in `settings`, out of `offered` (what
  // DiscoverVoices found for that language); returns its position in the list, or -1 when the
  // saved voice is not offered (the instance keeps its own voice).
  int SelectSavedVoice(text::Language language, const VoiceList& offered, const Settings& settings);

  // Sets `language`'s instance to the speed saved in `settings` and returns it. Throws EngineError
  // when the saved speed is not a number; the caller then switches speech off.
  int SetSavedSpeed(text::Language language, const Settings& settings);

  // The whole start-up choice in one step, for a program without a settings window: discovery,
  // then for each language with voices its saved voice and, where that voice is offered, its
  // saved speed. Errors propagate as above; speech is then unavailable.
  void SelectSavedVoices(const Settings& settings);

  // Speech is off for the run, whatever discovery found (an engine failed after it).
  void SwitchOff() { speechAvailable_ = false; }

  // True once DiscoverVoices found at least one Russian mode, until SwitchOff.
  bool SpeechAvailable() const { return speechAvailable_; }

  Engine& RU() const { return *engines_.RU; }
  Engine& HE() const { return *engines_.HE; }
  Engine& EN() const { return *engines_.EN; }
  Engine& Of(text::Language language) const;

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
