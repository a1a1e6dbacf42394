#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ScriptedEngine.h"
#include "speech/EngineSetup.h"
#include "speech/SpeechService.h"

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

// The start-up choice of a program without the settings window (the lesson audio of the data
// tool): per language, a saved voice that is offered takes its saved speed along; a voice that is
// not offered leaves the instance as it is; a speed that is no number switches speech off.
TEST(SpeechServiceTest, SelectSavedVoicesSetsOfferedVoicesWithTheirSpeeds) {
  struct Case {
    const char* voiceRU;
    const char* speedRU;
    int modeRU;                 // expected selected mode of the Russian instance
    std::vector<int> speedsRU;  // expected speeds set on it
    bool available;
  };
  const Case cases[] = {
      {"Olga", "120", 4, {120}, true},
      {"Nobody", "120", 0, {}, true},
      {"Olga", "fast", 4, {}, false},
  };
  for (const Case& c : cases) {
    speech::EngineSet engines{std::make_unique<ScriptedEngine>(),
                              std::make_unique<ScriptedEngine>(),
                              std::make_unique<ScriptedEngine>()};
    auto& ru = static_cast<ScriptedEngine&>(*engines.RU);
    auto& en = static_cast<ScriptedEngine&>(*engines.EN);
    speech::SpeechService service(std::move(engines), [](bool) {});
    speech::Settings settings;
    settings.VoiceRU = c.voiceRU;
    settings.SpeedRU = c.speedRU;
    settings.VoiceEN = "Peter";
    settings.SpeedEN = "90";
    if (c.available) {
      service.SelectSavedVoices(settings);
      EXPECT_EQ(en.SelectedMode(), 5) << c.voiceRU;
      EXPECT_EQ(en.SpeedsSet(), std::vector<int>({90})) << c.voiceRU;
    } else {
      EXPECT_THROW(service.SelectSavedVoices(settings), speech::EngineError);
    }
    EXPECT_EQ(ru.SelectedMode(), c.modeRU) << c.voiceRU;
    EXPECT_EQ(ru.SpeedsSet(), c.speedsRU) << c.voiceRU;
    EXPECT_EQ(service.SpeechAvailable(), c.available) << c.voiceRU;
  }
}

}  // namespace
