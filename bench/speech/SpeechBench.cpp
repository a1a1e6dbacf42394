// Latency of the espeak-ng engine: from Speak() of a one-word text to the first sample handed to
// the audio output, measured on the real library.

#include <benchmark/benchmark.h>

#include <QString>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "speech/EspeakEngine.h"

namespace {

using Clock = std::chrono::steady_clock;

// Notes when the first sample of each utterance arrives.
class FirstSampleOutput : public speech::AudioOutput {
 public:
  void Write(const std::int16_t*, std::size_t count, int) override {
    if (count == 0) return;
    std::lock_guard guard(lock_);
    if (!first_) {
      first_ = true;
      at_ = Clock::now();
      arrived_.notify_all();
    }
  }
  bool Playing() const override { return false; }

  void Reset() {
    std::lock_guard guard(lock_);
    first_ = false;
  }
  Clock::time_point WaitFirst() {
    std::unique_lock guard(lock_);
    arrived_.wait(guard, [this] { return first_; });
    return at_;
  }

 private:
  std::mutex lock_;
  std::condition_variable arrived_;
  bool first_ = false;
  Clock::time_point at_;
};

int ModeOf(const speech::Engine& engine, const QString& speaker) {
  for (int mode = 1; mode <= engine.ModeCount(); ++mode) {
    if (engine.Speaker(mode) == speaker) return mode;
  }
  return 0;
}

void WaitSilent(const speech::Engine& engine) {
  while (engine.Speaking()) std::this_thread::sleep_for(std::chrono::microseconds(200));
}

// One instance speaking one word again and again (its voice stays loaded).
void BM_SpeakToFirstSample(benchmark::State& state, const char* speaker, const char16_t* word) {
  auto output = std::make_unique<FirstSampleOutput>();
  FirstSampleOutput& first = *output;
  speech::EspeakEngine engine(speech::SynthesisWorker::Shared(), std::move(output));
  if (engine.ModeCount() == 0) {
    state.SkipWithError("espeak-ng is not usable");
    return;
  }
  engine.Select(ModeOf(engine, QString::fromLatin1(speaker)));
  for (auto _ : state) {
    first.Reset();
    const auto start = Clock::now();
    engine.Speak(QStringView(word));
    const auto arrived = first.WaitFirst();
    state.SetIterationTime(std::chrono::duration<double>(arrived - start).count());
    WaitSilent(engine);
  }
}
BENCHMARK_CAPTURE(BM_SpeakToFirstSample, Russian, "Nicolai", u"слово")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SpeakToFirstSample, HebrewHint, "Nicolai", u"шало<м")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SpeakToFirstSample, English, "Carol", u"word")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Russian and English instances taking turns, so every utterance loads the other voice first.
void BM_SpeakToFirstSampleSwitchingVoice(benchmark::State& state) {
  auto worker = speech::SynthesisWorker::Shared();
  auto ruOut = std::make_unique<FirstSampleOutput>();
  auto enOut = std::make_unique<FirstSampleOutput>();
  FirstSampleOutput* outputs[] = {ruOut.get(), enOut.get()};
  speech::EspeakEngine ru(worker, std::move(ruOut));
  speech::EspeakEngine en(worker, std::move(enOut));
  if (ru.ModeCount() == 0) {
    state.SkipWithError("espeak-ng is not usable");
    return;
  }
  ru.Select(ModeOf(ru, "Nicolai"));
  en.Select(ModeOf(en, "Carol"));
  speech::EspeakEngine* engines[] = {&ru, &en};
  const char16_t* words[] = {u"слово", u"word"};
  int turn = 0;
  for (auto _ : state) {
    outputs[turn]->Reset();
    const auto start = Clock::now();
    engines[turn]->Speak(QStringView(words[turn]));
    const auto arrived = outputs[turn]->WaitFirst();
    state.SetIterationTime(std::chrono::duration<double>(arrived - start).count());
    WaitSilent(*engines[turn]);
    turn = 1 - turn;
  }
}
BENCHMARK(BM_SpeakToFirstSampleSwitchingVoice)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
