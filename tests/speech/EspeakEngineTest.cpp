// The espeak-ng engine on the real library, with its PCM captured instead of played.

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QString>
#include <chrono>
#include <cmath>
#include <set>
#include <thread>

#include "CaptureOutput.h"
#include "StressCheck.h"
#include "speech/EspeakEngine.h"

namespace {

using namespace std::chrono_literals;
using speech::EspeakEngine;
using speech::Reading;
using speechtest::CaptureOutput;

const QString kRussianPhrase = QStringLiteral(u"проба русского синтезатора речи");
const QString kHebrewPhrase = QStringLiteral(u"Бдика< шэль си<нтэ<за дибу<р ба< иври<т");
const QString kEnglishPhrase = QStringLiteral(u"Test English Synthesis of speech");

// Waits until the engine stops speaking; false when it still speaks after `limit`.
bool WaitSilent(const speech::Engine& engine, std::chrono::milliseconds limit = 20s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (engine.Speaking()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

class EspeakEngineTest : public testing::Test {
 protected:
  void SetUp() override {
    if (engine.ModeCount() == 0) GTEST_SKIP() << "espeak-ng is not usable here";
  }

  // The mode whose speaker is `speaker`, or 0.
  int ModeOf(const QString& speaker) const {
    for (int mode = 1; mode <= engine.ModeCount(); ++mode) {
      if (engine.Speaker(mode) == speaker) return mode;
    }
    return 0;
  }

  // Speaks `text` on a fresh capturing instance and returns its seconds of audio.
  double SecondsOf(QStringView text, const QString& speaker, Reading reading, int speed = 175) {
    auto capture = std::make_unique<CaptureOutput>();
    CaptureOutput& audio = *capture;
    EspeakEngine instance(worker, std::move(capture), reading);
    instance.Select(ModeOf(speaker));
    instance.SetSpeed(speed);
    instance.Speak(text);
    EXPECT_TRUE(WaitSilent(instance));
    return audio.Seconds();
  }

  std::shared_ptr<speech::SynthesisWorker> worker = speech::SynthesisWorker::Shared();
  CaptureOutput* audio = new CaptureOutput;
  EspeakEngine engine{worker, std::unique_ptr<CaptureOutput>(audio), Reading::Natural};
};

TEST_F(EspeakEngineTest, ListsRussianAndEnglishModesWithTheDefaultSpeakers) {
  std::set<QString> russian, english;
  for (int mode = 1; mode <= engine.ModeCount(); ++mode) {
    if (engine.ModeName(mode).contains(u"Russian")) russian.insert(engine.Speaker(mode));
    if (engine.ModeName(mode).contains(u"English")) english.insert(engine.Speaker(mode));
  }
  EXPECT_TRUE(russian.contains("Nicolai"));
  EXPECT_TRUE(english.contains("Carol"));
  EXPECT_GE(russian.size(), 2u);
  EXPECT_GE(english.size(), 2u);
}

TEST_F(EspeakEngineTest, ModeNumbersOutOfRangeAreErrors) {
  EXPECT_THROW(engine.ModeName(0), speech::EngineError);
  EXPECT_THROW(engine.Speaker(engine.ModeCount() + 1), speech::EngineError);
  EXPECT_THROW(engine.Select(-1), speech::EngineError);
  EXPECT_EQ(engine.SelectedMode(), 0) << "a refused Select changes nothing";
}

TEST_F(EspeakEngineTest, SpeedIsClampedToEspeaksBounds) {
  EXPECT_EQ(engine.MinSpeed(), 80);
  EXPECT_EQ(engine.MaxSpeed(), 450);
  engine.SetSpeed(5);
  EXPECT_EQ(engine.Speed(), 80);
  engine.SetSpeed(1000);
  EXPECT_EQ(engine.Speed(), 450);
  engine.SetSpeed(200);
  EXPECT_EQ(engine.Speed(), 200);
}

TEST_F(EspeakEngineTest, SlowerSpeedGivesLongerSpeech) {
  const double slow = SecondsOf(kRussianPhrase, "Nicolai", Reading::Natural, 80);
  const double fast = SecondsOf(kRussianPhrase, "Nicolai", Reading::Natural, 400);
  EXPECT_GT(slow, 2.0 * fast);
}

// Share of samples where the signal changes sign: higher for a higher voice. (espeak-ng's output
// is not bit-identical from one synthesis to the next, so voices are told apart by measures.)
double ZeroCrossingRate(const std::vector<std::int16_t>& samples) {
  std::size_t crossings = 0;
  for (std::size_t i = 1; i < samples.size(); ++i) {
    if ((samples[i - 1] < 0) != (samples[i] < 0)) ++crossings;
  }
  return samples.empty() ? 0.0 : static_cast<double>(crossings) / samples.size();
}

TEST_F(EspeakEngineTest, SelectChangesTheVoice) {
  const auto render = [&](const char* speaker) {
    audio->Clear();
    engine.Select(ModeOf(speaker));
    engine.Speak(kRussianPhrase);
    EXPECT_TRUE(WaitSilent(engine));
    return ZeroCrossingRate(audio->Samples());
  };
  const double nicolai = render("Nicolai");
  ASSERT_GT(nicolai, 0.0);
  EXPECT_EQ(engine.SelectedMode(), ModeOf("Nicolai"));
  const double olga = render("Olga");
  EXPECT_EQ(engine.SelectedMode(), ModeOf("Olga"));
  EXPECT_GT(olga, 1.1 * nicolai) << "the female voice is higher";
  EXPECT_NEAR(render("Nicolai"), nicolai, 0.02 * nicolai) << "selecting back restores the voice";
}

TEST_F(EspeakEngineTest, BeforeSelectAnInstanceSpeaksWithItsOwnDefaultMode) {
  auto capture = std::make_unique<CaptureOutput>();
  CaptureOutput& unselected = *capture;
  EspeakEngine english(worker, std::move(capture), Reading::Natural, u"English");
  EXPECT_EQ(english.SelectedMode(), 0);
  english.Speak(kEnglishPhrase);
  ASSERT_TRUE(WaitSilent(english));
  // Sounds like the first English mode (Carol, a female voice), not like the Russian mode 1.
  const auto rate = [&](const char* speaker) {
    audio->Clear();
    engine.Select(ModeOf(speaker));
    engine.Speak(kEnglishPhrase);
    EXPECT_TRUE(WaitSilent(engine));
    return ZeroCrossingRate(audio->Samples());
  };
  const double carol = rate("Carol");
  const double nicolai = rate("Nicolai");
  const double own = ZeroCrossingRate(unselected.Samples());
  EXPECT_LT(std::abs(own - carol), std::abs(own - nicolai));
}

TEST_F(EspeakEngineTest, PhrasesGiveAudioOfPlausibleLength) {
  struct Phrase {
    QString text;
    QString speaker;
    Reading reading;
  };
  const Phrase phrases[] = {{kRussianPhrase, "Nicolai", Reading::Natural},
                            {kHebrewPhrase, "Nicolai", Reading::Transliteration},
                            {kEnglishPhrase, "Carol", Reading::Natural}};
  for (const Phrase& phrase : phrases) {
    const double seconds = SecondsOf(phrase.text, phrase.speaker, phrase.reading);
    // Four to six words at 175 words per minute.
    EXPECT_GT(seconds, 1.0) << phrase.text.toStdString();
    EXPECT_LT(seconds, 5.0) << phrase.text.toStdString();
  }
}

TEST_F(EspeakEngineTest, SpeakingIsTrueUntilTheLastSampleHasPlayed) {
  EspeakEngine paced(worker, speech::MakeSilentOutput());
  paced.Select(ModeOf("Carol"));
  const auto start = std::chrono::steady_clock::now();
  paced.Speak(u"Hello there");
  EXPECT_TRUE(paced.Speaking()) << "true from the moment Speak is called";
  ASSERT_TRUE(WaitSilent(paced, 30s));
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double spoken = SecondsOf(u"Hello there", "Carol", Reading::Natural);
  EXPECT_GE(elapsed, spoken * 0.95) << "the silent output is paced in real time";
  // A loaded machine may be late by seconds; a second time through the audio is a fault.
  EXPECT_LT(elapsed, 2 * spoken + 5.0);
}

// Speak leaves the synthesis to the worker: it returns while the output still holds back the
// first samples.
TEST_F(EspeakEngineTest, SpeakReturnsAtOnce) {
  auto capture = std::make_unique<CaptureOutput>();
  CaptureOutput& audio = *capture;
  audio.Hold();
  EspeakEngine instance(worker, std::move(capture), Reading::Natural);
  instance.Select(ModeOf("Nicolai"));
  instance.Speak(QStringLiteral(u"раз два три четыре пять ").repeated(4));
  audio.Release();
  EXPECT_FALSE(audio.HeldTooLong()) << "Speak waited for the synthesis";
  EXPECT_TRUE(WaitSilent(instance));
}

TEST_F(EspeakEngineTest, ATextOfTenThousandCharactersIsSpokenWhole) {
  const QString word = QStringLiteral(u"слово ");
  const QString thousand = word.repeated(1000 / word.size());
  const QString tenThousand = word.repeated(10000 / word.size());
  ASSERT_GE(tenThousand.size(), 9996);
  const double short_ = SecondsOf(thousand, "Nicolai", Reading::Natural, 450);
  const double long_ = SecondsOf(tenThousand, "Nicolai", Reading::Natural, 450);
  EXPECT_GT(long_, 9.0 * short_) << "nothing of the long text is cut off";
  EXPECT_LT(long_, 11.0 * short_);
}

TEST_F(EspeakEngineTest, StressMarksAreNeverReadAloud) {
  const double marked = SecondsOf(u"молоко< мо<локо", "Nicolai", Reading::Natural);
  const double plain = SecondsOf(u"молоко молоко", "Nicolai", Reading::Natural);
  EXPECT_NEAR(marked, plain, 0.25 * plain);
}

void ExpectStressAsMarked(EspeakEngine& instance, QStringView phrase) {
  const QString text = phrase.toString();
  const QString trace = QString::fromStdString(instance.SpokenPhonemes(text));
  EXPECT_FALSE(trace.contains(u'_')) << "no pause: " << trace.toStdString();
  speechtest::StressCount count;
  for (const speechtest::StressMismatch& mismatch : speechtest::CompareStress(text, trace, count)) {
    ADD_FAILURE() << mismatch.Describe();
  }
  EXPECT_GT(count.marked, 0);
}

TEST_F(EspeakEngineTest, HebrewTestPhraseIsStressedOnTheMarkedVowels) {
  EspeakEngine hebrew(worker, std::make_unique<CaptureOutput>(), Reading::Transliteration);
  hebrew.Select(ModeOf("Nicolai"));
  ExpectStressAsMarked(hebrew, kHebrewPhrase);
}

TEST_F(EspeakEngineTest, TransliterationsKeepUnstressedVowelsUnreduced) {
  EspeakEngine hebrew(worker, std::make_unique<CaptureOutput>(), Reading::Transliteration);
  hebrew.Select(ModeOf("Nicolai"));
  const std::string trace = hebrew.SpokenPhonemes(u"шало<м молоко<");
  EXPECT_EQ(trace.find('V'), std::string::npos) << "reduced vowel in " << trace;
  // The Russian reading of the same words reduces them.
  engine.Select(ModeOf("Nicolai"));
  EXPECT_NE(engine.SpokenPhonemes(u"молоко<").find('V'), std::string::npos);
}

TEST_F(EspeakEngineTest, RussianWordsAreStressedWhereMarked) {
  engine.Select(ModeOf("Nicolai"));
  ExpectStressAsMarked(engine, u"мо<локо молоко< за<мок замо<к кто<-то");
}

TEST(CreateEspeakEnginesTest, ThreeInstancesShareTheModes) {
  const speech::EngineSet engines = speech::CreateEspeakEngines();
  ASSERT_EQ(engines.RU->ModeCount(), engines.HE->ModeCount());
  ASSERT_EQ(engines.RU->ModeCount(), engines.EN->ModeCount());
  for (int mode = 1; mode <= engines.RU->ModeCount(); ++mode) {
    EXPECT_EQ(engines.RU->ModeName(mode), engines.EN->ModeName(mode));
  }
  EXPECT_FALSE(engines.HE->Speaking());
}

TEST(CreateEspeakEnginesTest, DefaultOutputsFinishSpeaking) {
  const speech::EngineSet engines = speech::CreateEspeakEngines();
  if (engines.EN->ModeCount() == 0) GTEST_SKIP() << "espeak-ng is not usable here";
  engines.EN->Speak(u"one");
  EXPECT_TRUE(engines.EN->Speaking());
  EXPECT_TRUE(WaitSilent(*engines.EN, 10s)) << "whatever the device, speech comes to an end";
}

TEST(DeviceOutputTest, ADeviceThatCannotPlayNeverReportsEndlessSpeech) {
  const auto output = speech::MakeDeviceOutput(QAudioDevice());
  const std::vector<std::int16_t> second(22050);
  output->Write(second.data(), second.size(), 22050);
  const auto end = std::chrono::steady_clock::now() + 5s;
  while (output->Playing() && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(5ms);
  }
  EXPECT_FALSE(output->Playing());
}

TEST(SilentOutputTest, PlaysAsLongAsTheSamplesLastAndQueuesThem) {
  const auto output = speech::MakeSilentOutput();
  EXPECT_FALSE(output->Playing());
  const std::vector<std::int16_t> tenth(2205);  // 0.1 s at 22050 Hz
  const auto start = std::chrono::steady_clock::now();
  output->Write(tenth.data(), tenth.size(), 22050);
  output->Write(tenth.data(), tenth.size(), 22050);
  EXPECT_TRUE(output->Playing());
  const auto end = start + 30s;
  while (output->Playing() && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(1ms);
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_GE(elapsed, 195ms) << "both writes are played, one after the other";
  EXPECT_LT(elapsed, 10s) << "playing comes to an end";
}

}  // namespace
