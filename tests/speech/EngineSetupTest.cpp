#include <gtest/gtest.h>

#include "ScriptedEngine.h"
#include "speech/EngineSetup.h"

namespace {

using speechtest::ScriptedEngine;

TEST(DiscoverEnginesTest, OffersRussianModesForRussianAndHebrewAndEnglishModesForEnglish) {
  ScriptedEngine ru, he, en;
  const speech::Discovery found = speech::DiscoverEngines(ru, he, en);
  EXPECT_TRUE(found.SpeechAvailable);
  EXPECT_EQ(found.RU.Speakers, std::vector<QString>({"Nicolai", "Olga"}));
  EXPECT_EQ(found.RU.Modes, std::vector<int>({1, 4}));
  EXPECT_EQ(found.HE.Speakers, found.RU.Speakers);
  EXPECT_EQ(found.HE.Modes, found.RU.Modes);
  EXPECT_EQ(found.EN.Speakers, std::vector<QString>({"Carol", "Peter"}));
  EXPECT_EQ(found.EN.Modes, std::vector<int>({2, 5}));
}

TEST(DiscoverEnginesTest, NamesAreMatchedCaseSensitively) {
  ScriptedEngine ru({{"russian lower", "a"}, {"RUSSIAN upper", "b"}, {"Old Russian", "c"}});
  ScriptedEngine he = ru, en = ru;
  const speech::Discovery found = speech::DiscoverEngines(ru, he, en);
  EXPECT_EQ(found.RU.Speakers, std::vector<QString>({"c"}));
  EXPECT_TRUE(found.EN.Speakers.empty());
}

TEST(DiscoverEnginesTest, NoModesMeansNoSpeech) {
  const std::vector<ScriptedEngine::Mode> none;
  ScriptedEngine ru(none), he(none), en(none);
  const speech::Discovery found = speech::DiscoverEngines(ru, he, en);
  EXPECT_FALSE(found.SpeechAvailable);
  EXPECT_TRUE(found.RU.Speakers.empty());
}

TEST(DiscoverEnginesTest, EngineErrorsPropagate) {
  ScriptedEngine ru, he, en;
  en.FailWith("broken");
  EXPECT_THROW(speech::DiscoverEngines(ru, he, en), speech::EngineError);
}

TEST(SelectSavedVoiceTest, SelectsTheModeOfTheSavedVoice) {
  ScriptedEngine engine;
  const speech::VoiceList voices{{"Nicolai", "Olga"}, {1, 4}};
  EXPECT_EQ(speech::SelectSavedVoice(engine, voices, "Olga"), 1);
  EXPECT_EQ(engine.SelectedMode(), 4);
}

TEST(SelectSavedVoiceTest, AnUnknownOrEmptyVoiceSelectsNothing) {
  ScriptedEngine engine;
  const speech::VoiceList voices{{"Nicolai", "Olga"}, {1, 4}};
  EXPECT_EQ(speech::SelectSavedVoice(engine, voices, "Nobody"), -1);
  EXPECT_EQ(speech::SelectSavedVoice(engine, voices, ""), -1);
  EXPECT_EQ(speech::SelectSavedVoice(engine, voices, "olga"), -1) << "exact names only";
  EXPECT_EQ(engine.SelectedMode(), 0);
}

TEST(ParseSpeedTest, AcceptsWholeNumbersOnly) {
  EXPECT_EQ(speech::ParseSpeed("100"), 100);
  EXPECT_EQ(speech::ParseSpeed(" 250 "), 250);
  EXPECT_EQ(speech::ParseSpeed("-3"), -3);
  for (const char* bad : {"", "fast", "10x", "1.5", "0x10"}) {
    EXPECT_THROW(speech::ParseSpeed(bad), speech::EngineError) << bad;
  }
}

}  // namespace
