#include "speech/SpeechService.h"

#include <QString>
#include <utility>

#include "speech/Speak.h"

namespace speech {

namespace {

struct Saved {
  const std::string& voice;
  const std::string& speed;
};

Saved SavedFor(text::Language language, const Settings& settings) {
  switch (language) {
    case text::Language::Russian:
      return {settings.VoiceRU, settings.SpeedRU};
    case text::Language::Hebrew:
      return {settings.VoiceHE, settings.SpeedHE};
    case text::Language::English:
      break;
  }
  return {settings.VoiceEN, settings.SpeedEN};
}

}  // namespace

SpeechService::SpeechService(EngineSet engines, SpeechQueue::TimerSwitch setTimerEnabled)
    : engines_(std::move(engines)),
      queue_(*engines_.RU, *engines_.HE, *engines_.EN, std::move(setTimerEnabled)) {}

Engine& SpeechService::Of(text::Language language) const {
  switch (language) {
    case text::Language::Russian:
      return RU();
    case text::Language::Hebrew:
      return HE();
    case text::Language::English:
      break;
  }
  return EN();
}

Discovery SpeechService::DiscoverVoices() {
  speechAvailable_ = false;
  Discovery found = DiscoverEngines(RU(), HE(), EN());
  speechAvailable_ = found.SpeechAvailable;
  return found;
}

int SpeechService::SelectSavedVoice(text::Language language, const VoiceList& offered,
                                    const Settings& settings) {
  return speech::SelectSavedVoice(Of(language), offered,
                                  QString::fromStdString(SavedFor(language, settings).voice));
}

int SpeechService::SetSavedSpeed(text::Language language, const Settings& settings) {
  const int speed = ParseSpeed(SavedFor(language, settings).speed);
  Of(language).SetSpeed(speed);
  return speed;
}

void SpeechService::SelectSavedVoices(const Settings& settings) {
  const Discovery found = DiscoverVoices();
  const std::pair<text::Language, const VoiceList&> languages[] = {
      {text::Language::Russian, found.RU},
      {text::Language::Hebrew, found.HE},
      {text::Language::English, found.EN}};
  try {
    for (const auto& [language, offered] : languages) {
      if (offered.Speakers.empty()) continue;
      if (SelectSavedVoice(language, offered, settings) >= 0) SetSavedSpeed(language, settings);
    }
  } catch (...) {
    SwitchOff();
    throw;
  }
}

void SpeechService::SpeakRU(std::string_view text) const {
  Speak(RU(), text::Language::Russian, text);
}

void SpeechService::SpeakHE(std::string_view text) const {
  Speak(HE(), text::Language::Hebrew, text);
}

void SpeechService::SpeakEN(std::string_view text) const {
  Speak(EN(), text::Language::English, text);
}

}  // namespace speech
