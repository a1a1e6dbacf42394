#include "speech/SpeechService.h"

#include <QString>
#include <utility>

#include "speech/Speak.h"

namespace speech {

SpeechService::SpeechService(EngineSet engines, SpeechQueue::TimerSwitch setTimerEnabled)
    : engines_(std::move(engines)),
      queue_(*engines_.RU, *engines_.HE, *engines_.EN, std::move(setTimerEnabled)) {}

SpeechService::VoiceChoice SpeechService::SelectSavedVoices(const Settings& settings) {
  speechAvailable_ = false;
  VoiceChoice choice{DiscoverEngines(RU(), HE(), EN())};
  struct Language {
    Engine& engine;
    const VoiceList& list;
    const std::string& voice;
    const std::string& speed;
    int& chosen;
  };
  const Language languages[] = {
      {RU(), choice.Found.RU, settings.VoiceRU, settings.SpeedRU, choice.ChosenRU},
      {HE(), choice.Found.HE, settings.VoiceHE, settings.SpeedHE, choice.ChosenHE},
      {EN(), choice.Found.EN, settings.VoiceEN, settings.SpeedEN, choice.ChosenEN},
  };
  for (const Language& language : languages) {
    if (language.list.Speakers.empty()) continue;
    language.chosen =
        SelectSavedVoice(language.engine, language.list, QString::fromStdString(language.voice));
    if (language.chosen >= 0) language.engine.SetSpeed(ParseSpeed(language.speed));
  }
  speechAvailable_ = choice.Found.SpeechAvailable;
  return choice;
}

void SpeechService::SpeakRU(std::string_view text) const { Speak(RU(), Language::Russian, text); }

void SpeechService::SpeakHE(std::string_view text) const { Speak(HE(), Language::Hebrew, text); }

void SpeechService::SpeakEN(std::string_view text) const { Speak(EN(), Language::English, text); }

}  // namespace speech
