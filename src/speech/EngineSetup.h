#pragma once

// Engine discovery at start and the choice of the saved voices, without any window: the settings
// window shows what these return.

#include <QString>
#include <string>
#include <vector>

#include "speech/Engine.h"

namespace speech {

// The voices offered for one language, in mode order: Speakers[k] is the voice name of engine
// mode Modes[k].
struct VoiceList {
  std::vector<QString> Speakers;
  std::vector<int> Modes;
};

struct Discovery {
  // True when the Russian instance reports at least one mode.
  bool SpeechAvailable = false;
  VoiceList RU;
  VoiceList HE;
  VoiceList EN;
};

// For each mode i from 1 to ModeCount() of `ru` (re-read on every step): a mode whose name on an
// instance contains "Russian" is offered for Russian (on `ru`) and for Hebrew (on `he`); one whose
// name on `en` contains "English" is offered for English. Any engine error propagates.
Discovery DiscoverEngines(Engine& ru, Engine& he, Engine& en);

// Selects on `engine` the mode of every entry of `voices` whose name is exactly `savedVoice` and
// returns the position of the last one, or -1 when no entry matches (then nothing is selected).
int SelectSavedVoice(Engine& engine, const VoiceList& voices, const QString& savedVoice);

// A saved speed: a whole number in decimal, blanks around it allowed. Throws EngineError naming
// the text otherwise.
int ParseSpeed(const std::string& text);

// The message shown when the engines cannot be set up; speech is then off for the run.
extern const char* const kNoSpeechMessage;

}  // namespace speech
