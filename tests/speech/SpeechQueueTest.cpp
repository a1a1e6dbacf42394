#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "ScriptedEngine.h"
#include "speech/Speak.h"
#include "speech/SpeechQueue.h"

namespace {

using speechtest::ScriptedEngine;
using text::Language;

// Three scripted engines sharing one journal, and a queue whose timer switch is recorded.
class SpeechQueueTest : public testing::Test {
 protected:
  std::shared_ptr<ScriptedEngine::Journal> journal = std::make_shared<ScriptedEngine::Journal>();
  ScriptedEngine ru{ScriptedEngine::StandardModes(), "RU", journal};
  ScriptedEngine he{ScriptedEngine::StandardModes(), "HE", journal};
  ScriptedEngine en{ScriptedEngine::StandardModes(), "EN", journal};
  bool timerOn = false;
  std::vector<bool> switches;
  speech::SpeechQueue queue{ru, he, en, [this](bool on) {
                              timerOn = on;
                              switches.push_back(on);
                            }};

  // Ticks like the timer does: only while it is on.
  void Tick() {
    if (timerOn) queue.TimerSpeechTimer();
  }
};

TEST_F(SpeechQueueTest, StartsWithNothingPendingAndTheTimerUntouched) {
  EXPECT_FALSE(queue.PendingRU());
  EXPECT_FALSE(queue.PendingHE());
  EXPECT_FALSE(queue.PendingEN());
  EXPECT_TRUE(switches.empty());
}

TEST_F(SpeechQueueTest, QueueingStoresTheTextAndSwitchesTheTimerOn) {
  queue.QueueSpeech(Language::Hebrew, "\xF8\xE0<\xF8");
  EXPECT_TRUE(queue.PendingHE());
  EXPECT_EQ(queue.PendingTextHE(), "\xF8\xE0<\xF8");
  EXPECT_FALSE(queue.PendingRU());
  EXPECT_TRUE(timerOn);
  EXPECT_TRUE(journal->empty()) << "nothing is spoken before the tick";
}

TEST_F(SpeechQueueTest, TwoRequestsForOneLanguageSpeakOnlyTheSecond) {
  queue.QueueSpeech(Language::Russian, "first");
  queue.QueueSpeech(Language::Russian, "second");
  Tick();
  EXPECT_EQ(*journal, ScriptedEngine::Journal({"RU: second"}));
  EXPECT_FALSE(queue.PendingRU());
}

TEST_F(SpeechQueueTest, RussianAndEnglishTogetherSpeakRussianThenEnglishAfterItEnds) {
  queue.QueueSpeech(Language::Russian, "\xE4\xEE\xEC");  // "дом" in 1251
  queue.QueueSpeech(Language::English, "house");
  Tick();
  EXPECT_EQ(*journal, ScriptedEngine::Journal({QString::fromUtf8("RU: дом")}));
  EXPECT_TRUE(queue.PendingEN());
  EXPECT_TRUE(timerOn);

  Tick();  // Russian still speaks: English keeps waiting
  EXPECT_EQ(journal->size(), 1u);

  ru.SetSpeaking(false);
  Tick();
  EXPECT_EQ(*journal, ScriptedEngine::Journal({QString::fromUtf8("RU: дом"), "EN: house"}));
  EXPECT_FALSE(queue.PendingEN());
}

TEST_F(SpeechQueueTest, EnginesThatDoNotYetReportSpeakingMayStartInOneTick) {
  ru.SetSpeakStartsSpeaking(false);
  he.SetSpeakStartsSpeaking(false);
  en.SetSpeakStartsSpeaking(false);
  queue.QueueSpeech(Language::English, "e");
  queue.QueueSpeech(Language::Hebrew, "h");
  queue.QueueSpeech(Language::Russian, "r");
  Tick();
  EXPECT_EQ(*journal, ScriptedEngine::Journal({"RU: r", "HE: h", "EN: e"}))
      << "within a tick the order is Russian, Hebrew, English";
  EXPECT_FALSE(timerOn) << "nothing speaks, so the timer switches itself off";
}

TEST_F(SpeechQueueTest, NothingSpeaksOverAnotherLanguage) {
  // Requests keep coming for every language while engines finish at different times; whenever
  // an engine is handed a text, the other two must be silent.
  const Language order[] = {Language::Hebrew, Language::English, Language::Russian};
  ScriptedEngine* engines[] = {&ru, &he, &en};
  int started = 0;
  for (int round = 0; round < 60; ++round) {
    if (round % 2 == 0) queue.QueueSpeech(order[round % 3], "t" + std::to_string(round));
    if (round % 4 == 0) queue.QueueSpeech(order[(round + 1) % 3], "u" + std::to_string(round));
    bool speakingBefore[3];
    std::size_t spokenBefore[3];
    for (int e = 0; e < 3; ++e) {
      speakingBefore[e] = engines[e]->Speaking();
      spokenBefore[e] = engines[e]->Spoken().size();
    }
    Tick();
    for (int e = 0; e < 3; ++e) {
      if (engines[e]->Spoken().size() == spokenBefore[e]) continue;
      ++started;
      EXPECT_FALSE(speakingBefore[(e + 1) % 3] || speakingBefore[(e + 2) % 3]) << "round " << round;
    }
    // Engines finish at different paces.
    engines[round % 3]->SetSpeaking(false);
  }
  EXPECT_GT(started, 10);
  for (ScriptedEngine* e : engines) EXPECT_FALSE(e->Spoken().empty());
}

TEST_F(SpeechQueueTest, ALanguageNeverWaitsForItsOwnInstance) {
  queue.QueueSpeech(Language::Hebrew, "one");
  Tick();
  queue.QueueSpeech(Language::Hebrew, "two");
  Tick();
  EXPECT_EQ(*journal, ScriptedEngine::Journal({"HE: one", "HE: two"}));
}

TEST_F(SpeechQueueTest, TimerStaysOnWhileSpeakingAndStopsOnceAllAreSilent) {
  queue.QueueSpeech(Language::English, "x");
  Tick();
  EXPECT_TRUE(timerOn);
  Tick();
  EXPECT_TRUE(timerOn);
  en.SetSpeaking(false);
  Tick();
  EXPECT_FALSE(timerOn);
}

TEST_F(SpeechQueueTest, AWaitingTextIsServedOnceItsBlockerStops) {
  en.SetSpeaking(true);  // English speaks on its own (for example a lesson)
  queue.QueueSpeech(Language::Russian, "r");
  Tick();
  EXPECT_TRUE(journal->empty());
  EXPECT_TRUE(timerOn) << "something speaks, so the timer keeps running";
  en.SetSpeaking(false);
  Tick();
  EXPECT_EQ(*journal, ScriptedEngine::Journal({"RU: r"}));
}

TEST_F(SpeechQueueTest, TextsAreConvertedByTheLanguagesCodePage) {
  queue.QueueSpeech(Language::Hebrew, "\xE1\xE4\xE8\xEA\xE0<");  // Cyrillic hint in 1251
  Tick();
  he.SetSpeaking(false);
  queue.QueueSpeech(Language::English, "caf\xE9");  // not ASCII: kept, never dropped
  Tick();
  ASSERT_EQ(he.Spoken().size(), 1u);
  EXPECT_EQ(he.Spoken()[0], QString::fromUtf8("бдика<"));
  ASSERT_EQ(en.Spoken().size(), 1u);
  EXPECT_EQ(en.Spoken()[0].size(), 4);
}

TEST_F(SpeechQueueTest, AnUnknownLanguageNumberIsRefused) {
  EXPECT_THROW(queue.QueueSpeech(static_cast<Language>(7), "x"), std::invalid_argument);
  EXPECT_FALSE(timerOn);
}

TEST(SpeakTest, LongTextIsConvertedWhole) {
  ScriptedEngine engine;
  const std::string text(100000, '\xE0');  // "а" in 1251
  speech::Speak(engine, Language::Russian, text);
  ASSERT_EQ(engine.Spoken().size(), 1u);
  EXPECT_EQ(engine.Spoken()[0], QString(100000, QChar(u'а')));
}

}  // namespace
