#include "speech/EngineSetup.h"

namespace speech {

const char* const kNoSpeechMessage =
    "For synthesis of speech, close the program and  install SAPI and Speech Engines "
    "(vocamir@example.org)";

Discovery DiscoverEngines(Engine& ru, Engine& he, Engine& en) {
  Discovery found;
  found.SpeechAvailable = ru.ModeCount() > 0;
  for (int mode = 1; mode <= ru.ModeCount(); ++mode) {
    if (ru.ModeName(mode).contains(u"Russian")) {
      found.RU.Speakers.push_back(ru.Speaker(mode));
      found.RU.Modes.push_back(mode);
    }
    if (he.ModeName(mode).contains(u"Russian")) {
      found.HE.Speakers.push_back(he.Speaker(mode));
      found.HE.Modes.push_back(mode);
    }
    if (en.ModeName(mode).contains(u"English")) {
      found.EN.Speakers.push_back(en.Speaker(mode));
      found.EN.Modes.push_back(mode);
    }
  }
  return found;
}

int SelectSavedVoice(Engine& engine, const VoiceList& voices, const QString& savedVoice) {
  int chosen = -1;
  for (std::size_t k = 0; k < voices.Speakers.size(); ++k) {
    if (voices.Speakers[k] == savedVoice) {
      engine.Select(voices.Modes[k]);
      chosen = static_cast<int>(k);
    }
  }
  return chosen;
}

int ParseSpeed(const std::string& text) {
  bool ok = false;
  const int speed = QString::fromStdString(text).trimmed().toInt(&ok, 10);
  if (!ok) throw EngineError("The saved speech speed \"" + text + "\" is not a whole number");
  return speed;
}

}  // namespace speech
