// The three engine instances of the program playing to a real sound server: a private PulseAudio
// server with a null sink, whose monitor is recorded and scanned for the words that were heard.
// The server is stopped and started again halfway, as a user's server does when the outputs
// change; speech must go on afterwards.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

#include "CaptureOutput.h"
#include "speech/EspeakEngine.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kRecordRate = 16000;
// How much later than the end of its audio an instance may still report Speaking: the output's
// own margin plus time for a loaded machine.
constexpr double kLateness = 1.5;

// Keeps Qt's events flowing (the sound server connection needs them) for `time`.
void Pass(std::chrono::milliseconds time) {
  const auto end = Clock::now() + time;
  while (Clock::now() < end) {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(2ms);
  }
}

// Stretches of sound in 16-bit mono PCM, in seconds: 10 ms frames louder than a whisper, joined
// across pauses shorter than 250 ms (the pauses inside a word).
std::vector<double> Bursts(const std::vector<std::int16_t>& samples, int rate) {
  const std::size_t frame = static_cast<std::size_t>(rate / 100);
  std::vector<double> bursts;
  std::size_t first = 0, last = 0;  // frames of the burst being scanned, last one exclusive
  bool inBurst = false;
  for (std::size_t f = 0; (f + 1) * frame <= samples.size(); ++f) {
    double energy = 0;
    for (std::size_t i = f * frame; i < (f + 1) * frame; ++i)
      energy += double(samples[i]) * samples[i];
    if (std::sqrt(energy / frame) < 300) continue;
    if (inBurst && f - last < 25) {
      last = f + 1;
      continue;
    }
    if (inBurst) bursts.push_back((last - first) / 100.0);
    first = f;
    last = f + 1;
    inBurst = true;
  }
  if (inBurst) bursts.push_back((last - first) / 100.0);
  return bursts;
}

// A PulseAudio server of its own, in a temporary folder, with the null sink "vocamir_test" as
// its only output. This process connects to it through PULSE_SERVER.
class PulseServer {
 public:
  PulseServer() {
    qputenv("HOME", folder_.filePath("home").toUtf8());
    qputenv("XDG_RUNTIME_DIR", folder_.filePath("run").toUtf8());
    qputenv("PULSE_RUNTIME_PATH", folder_.filePath("run/pulse").toUtf8());
    qputenv("PULSE_SERVER", ("unix:" + Socket()).toUtf8());
  }
  ~PulseServer() { Stop(); }

  QString Socket() const { return folder_.filePath("native"); }
  QString Path(const QString& name) const { return folder_.filePath(name); }

  // Starts the server and waits until it answers.
  bool Start() {
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.start(
        "pulseaudio",
        {"-n", "--daemonize=no", "--use-pid-file=no", "--disallow-exit", "--exit-idle-time=-1",
         "--log-level=error", "-L", "module-null-sink sink_name=vocamir_test", "-L",
         "module-native-protocol-unix auth-anonymous=1 socket=" + Socket()});
    if (!server_.waitForStarted()) return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
      QProcess info;
      info.start("pactl", {"info"});
      if (info.waitForFinished() && info.exitCode() == 0) return true;
      Pass(100ms);
    }
    return false;
  }

  void Stop() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(10000)) server_.kill();
    server_.waitForFinished();
  }

 private:
  QTemporaryDir folder_;
  QProcess server_;
};

// Records the null sink's monitor, 16 kHz mono, into a raw file.
class Recording {
 public:
  Recording(const QString& file) : file_(file) {
    parec_.setStandardOutputFile(file);
    parec_.start("parec", {"-d", "vocamir_test.monitor", "--raw", "--format=s16le", "--channels=1",
                           "--rate=" + QString::number(kRecordRate), "--latency-msec=20"});
    parec_.waitForStarted();
    // A fresh server starts its first stream late; a little silence gets that over with.
    QProcess silence;
    silence.start("pacat",
                  {"--raw", "--format=s16le", "--channels=1", "--rate=16000", "--latency-msec=20"});
    silence.waitForStarted();
    silence.write(QByteArray(kRecordRate / 5 * 2, '\0'));
    silence.closeWriteChannel();
    silence.waitForFinished();
    Pass(500ms);
  }

  std::vector<std::int16_t> Stop() {
    Pass(500ms);
    parec_.terminate();
    parec_.waitForFinished();
    QFile raw(file_);
    raw.open(QIODevice::ReadOnly);
    const QByteArray bytes = raw.readAll();
    std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
  }

 private:
  QString file_;
  QProcess parec_;
};

struct Word {
  speech::Engine* engine;
  QString text;
  double seconds = 0;  // length of the synthesised audio
  double sound = 0;    // its stretch of sound
};

class PulseAudioTest : public testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty()) {
      GTEST_SKIP() << "no pulseaudio here: speech to a sound server is not tested";
    }
    ASSERT_TRUE(server.Start()) << "the private PulseAudio server did not start";
    engines = speech::CreateEspeakEngines();
    if (engines.RU->ModeCount() == 0) GTEST_SKIP() << "espeak-ng is not usable here";
    words = {Word{engines.RU.get(), QStringLiteral(u"дом")},
             Word{engines.HE.get(), QStringLiteral(u"ба<йит")},
             Word{engines.EN.get(), QStringLiteral(u"house")}};
    const speech::Reading readings[] = {speech::Reading::Natural, speech::Reading::Transliteration,
                                        speech::Reading::Natural};
    for (std::size_t i = 0; i < words.size(); ++i) {
      auto capture = std::make_unique<speechtest::CaptureOutput>();
      speechtest::CaptureOutput& audio = *capture;
      speech::EspeakEngine rendered(speech::SynthesisWorker::Shared(), std::move(capture),
                                    readings[i], i == 2 ? u"English" : u"Russian");
      rendered.Speak(words[i].text);
      while (rendered.Speaking()) std::this_thread::sleep_for(1ms);
      words[i].seconds = audio.Seconds();
      const std::vector<double> sound = Bursts(audio.Samples(), audio.SampleRate());
      ASSERT_EQ(sound.size(), 1u) << words[i].text.toStdString();
      words[i].sound = sound.front();
    }
  }

  // Speaks `text` and waits until the instance stops speaking; the seconds that took, or a
  // negative number when it still spoke after 15 seconds.
  static double SpeakAndWait(speech::Engine& engine, const QString& text) {
    const auto start = Clock::now();
    engine.Speak(text);
    while (engine.Speaking()) {
      if (Clock::now() - start > 15s) return -1;
      Pass(1ms);
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
  }

  // Speaks the empty texts and the three words, records what the sink plays and checks it.
  void SpeakAndHear(const char* when) {
    SCOPED_TRACE(when);
    Recording recording(server.Path(QString("%1.raw").arg(when)));
    for (const QString& empty : {QString(), QStringLiteral(" ")}) {
      engines.HE->Speak(empty);
      EXPECT_FALSE(engines.HE->Speaking()) << "an empty text is never spoken";
      EXPECT_GE(SpeakAndWait(*engines.HE, empty), 0) << "an empty text stuck";
    }
    for (const Word& word : words) {
      const double took = SpeakAndWait(*word.engine, word.text);
      EXPECT_GE(took, 0) << word.text.toStdString() << " never stopped speaking";
      EXPECT_LT(took, word.seconds + kLateness) << word.text.toStdString();
      Pass(400ms);
    }
    const std::vector<double> heard = Bursts(recording.Stop(), kRecordRate);
    std::string report;
    for (double seconds : heard) report += std::to_string(seconds) + " s ";
    std::printf("%s: heard %s(rendered %.2f s, %.2f s, %.2f s of sound)\n", when, report.c_str(),
                words[0].sound, words[1].sound, words[2].sound);
    ASSERT_EQ(heard.size(), words.size()) << "heard: " << report;
    for (std::size_t i = 0; i < words.size(); ++i) {
      EXPECT_NEAR(heard[i], words[i].sound, 0.15 * words[i].sound + 0.05)
          << words[i].text.toStdString() << " heard whole";
    }
  }

  PulseServer server;
  speech::EngineSet engines;
  std::vector<Word> words;
};

TEST_F(PulseAudioTest, WordsAreHeardWholeBeforeAndAfterTheServerRestarts) {
  SpeakAndHear("before");
  server.Stop();
  Pass(500ms);
  ASSERT_TRUE(server.Start()) << "the server did not start again";
  Pass(4s);  // Qt Multimedia connects to a server that went away again three seconds later
  SpeakAndHear("after");
}

}  // namespace
