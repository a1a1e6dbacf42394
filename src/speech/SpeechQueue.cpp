#include "speech/SpeechQueue.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "speech/Speak.h"

namespace speech {

SpeechQueue::SpeechQueue(Engine& ru, Engine& he, Engine& en, TimerSwitch setTimerEnabled)
    : ru_{ru, text::Language::Russian, false, {}},
      he_{he, text::Language::Hebrew, false, {}},
      en_{en, text::Language::English, false, {}},
      setTimerEnabled_(std::move(setTimerEnabled)) {}

SpeechQueue::Slot& SpeechQueue::SlotOf(text::Language language) {
  switch (language) {
    case text::Language::Russian:
      return ru_;
    case text::Language::Hebrew:
      return he_;
    case text::Language::English:
      return en_;
  }
  throw std::invalid_argument("Unknown language number " +
                              std::to_string(static_cast<int>(language)));
}

void SpeechQueue::SetPendingText(text::Language language, std::string text) {
  SlotOf(language).text = std::move(text);
}

void SpeechQueue::QueueSpeech(text::Language language, std::string text) {
  Slot& slot = SlotOf(language);
  slot.text = std::move(text);
  slot.pending = true;
  setTimerEnabled_(true);
}

void SpeechQueue::Serve(Slot& slot, const Engine& other1, const Engine& other2) {
  if (!slot.pending || other1.Speaking() || other2.Speaking()) return;
  Speak(slot.engine, slot.language, slot.text);
  slot.pending = false;
}

void SpeechQueue::TimerSpeechTimer() {
  Serve(ru_, he_.engine, en_.engine);
  Serve(he_, ru_.engine, en_.engine);
  Serve(en_, he_.engine, ru_.engine);
  if (!ru_.engine.Speaking() && !he_.engine.Speaking() && !en_.engine.Speaking()) {
    setTimerEnabled_(false);
  }
}

}  // namespace speech
