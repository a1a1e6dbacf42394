// Writes the settings window's three test phrases, spoken by the default voices (Russian and
// Hebrew: Nicolai, English: Carol) one after another, to a 16-bit mono WAV file.
//
//   vocamir_speech_wav out.wav

#include <QFile>
#include <QString>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "speech/EspeakEngine.h"

namespace {

class Collect : public speech::AudioOutput {
 public:
  explicit Collect(std::vector<std::int16_t>& samples, int& rate)
      : samples_(samples), rate_(rate) {}
  void Write(const std::int16_t* samples, std::size_t count, int sampleRate) override {
    std::lock_guard guard(lock_);
    samples_.insert(samples_.end(), samples, samples + count);
    rate_ = sampleRate;
  }
  bool Playing() const override { return false; }

 private:
  std::mutex lock_;
  std::vector<std::int16_t>& samples_;
  int& rate_;
};

int ModeOf(const speech::Engine& engine, const QString& speaker) {
  for (int mode = 1; mode <= engine.ModeCount(); ++mode) {
    if (engine.Speaker(mode) == speaker) return mode;
  }
  return 0;
}

void PutLe(QByteArray& out, quint32 value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

QByteArray Wav(const std::vector<std::int16_t>& samples, int rate) {
  const quint32 dataBytes = static_cast<quint32>(samples.size() * 2);
  QByteArray out;
  out.append("RIFF");
  PutLe(out, 36 + dataBytes, 4);
  out.append("WAVEfmt ");
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, 1, 2);  // mono
  PutLe(out, static_cast<quint32>(rate), 4);
  PutLe(out, static_cast<quint32>(rate) * 2, 4);
  PutLe(out, 2, 2);
  PutLe(out, 16, 2);
  out.append("data");
  PutLe(out, dataBytes, 4);
  for (std::int16_t sample : samples) PutLe(out, static_cast<quint16>(sample), 2);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s out.wav\n", argv[0]);
    return 2;
  }
  std::vector<std::int16_t> samples;
  int rate = 0;
  auto worker = speech::SynthesisWorker::Shared();
  if (!worker->Available()) {
    std::fprintf(stderr, "espeak-ng is not usable\n");
    return 1;
  }
  struct Phrase {
    QString text;
    const char* speaker;
    speech::Reading reading;
  };
  const Phrase phrases[] = {
      {QStringLiteral(u"проба русского синтезатора речи"), "Nicolai", speech::Reading::Natural},
      {QStringLiteral(u"Бдика< шэль си<нтэ<за дибу<р ба< иври<т"), "Nicolai",
       speech::Reading::Transliteration},
      {QStringLiteral(u"Test English Synthesis of speech"), "Carol", speech::Reading::Natural},
  };
  for (const Phrase& phrase : phrases) {
    speech::EspeakEngine engine(worker, std::make_unique<Collect>(samples, rate), phrase.reading);
    engine.Select(ModeOf(engine, QString::fromLatin1(phrase.speaker)));
    engine.Speak(phrase.text);
    while (engine.Speaking()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::printf("%-45s %6.2f s so far\n", phrase.text.toUtf8().constData(),
                rate ? static_cast<double>(samples.size()) / rate : 0.0);
  }
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly) || file.write(Wav(samples, rate)) < 0) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
