#pragma once

// The speech queue: keeps the three languages from talking over each other.
//
// At most one text per language waits; a later request for the same language replaces the
// waiting text. A timer (interval 500 ms, owned by the caller) drives TimerSpeechTimer(); the queue
// switches that timer on and off through the hook given at construction.

#include <functional>
#include <string>

#include "speech/Engine.h"
#include "text/Language.h"

namespace speech {

class SpeechQueue {
 public:
  // Called with true when the timer must run, false when it may stop.
  using TimerSwitch = std::function<void(bool enabled)>;

  // The engines must outlive the queue. All flags start cleared; the timer is not touched.
  SpeechQueue(Engine& ru, Engine& he, Engine& en, TimerSwitch setTimerEnabled);

  // Stores `text` (single-byte, see Speak.h) as the pending text of `language`, sets its flag and
  // switches the timer on. Does not check whether speech is available.
  void QueueSpeech(text::Language language, std::string text);

  // Stores `text` as the pending text of `language` without asking for speech: the flag and the
  // timer are left as they are (the lesson, which speaks at once, leaves its text here).
  void SetPendingText(text::Language language, std::string text);

  // One tick, in this order:
  // 1. If PendingRU and neither HE nor EN is speaking: speak PendingTextRU on RU, clear PendingRU.
  // 2. If PendingHE and neither RU nor EN is speaking: speak PendingTextHE on HE, clear PendingHE.
  // 3. If PendingEN and neither HE nor RU is speaking: speak PendingTextEN on EN, clear PendingEN.
  // 4. If none of the three is speaking, switch the timer off.
  // A language waits only for the other two instances, never for its own.
  void TimerSpeechTimer();

  bool PendingRU() const { return ru_.pending; }
  bool PendingHE() const { return he_.pending; }
  bool PendingEN() const { return en_.pending; }
  const std::string& PendingTextRU() const { return ru_.text; }
  const std::string& PendingTextHE() const { return he_.text; }
  const std::string& PendingTextEN() const { return en_.text; }

 private:
  struct Slot {
    Engine& engine;
    text::Language language;
    bool pending = false;
    std::string text;
  };

  Slot& SlotOf(text::Language language);
  // Speaks the slot's text if it waits and neither of the other two engines speaks.
  void Serve(Slot& slot, const Engine& other1, const Engine& other2);

  Slot ru_;
  Slot he_;
  Slot en_;
  TimerSwitch setTimerEnabled_;
};

}  // namespace speech
