#include "speech/OfflineSpeech.h"

#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <utility>

#include "speech/AudioOutput.h"
#include "speech/EspeakEngine.h"
#include "speech/Speak.h"
#include "speech/SynthesisWorker.h"

namespace speech {

// Collects what one engine instance synthesises; Render takes it after each text.
class OfflineSpeech::Capture : public AudioOutput {
 public:
  void Write(const std::int16_t* samples, std::size_t count, int) override {
    std::lock_guard guard(lock_);
    samples_.insert(samples_.end(), samples, samples + count);
  }
  bool Playing() const override { return false; }
  std::vector<std::int16_t> Take() {
    std::lock_guard guard(lock_);
    return std::exchange(samples_, {});
  }

 private:
  std::mutex lock_;
  std::vector<std::int16_t> samples_;
};

OfflineSpeech::OfflineSpeech(const Settings& settings) : worker_(SynthesisWorker::Shared()) {
  if (!worker_->Available()) throw std::runtime_error("the speech engine espeak-ng cannot start");
  const auto output = [this](std::size_t slot) {
    auto capture = std::make_unique<Capture>();
    captures_[slot] = capture.get();
    return capture;
  };
  EngineSet engines;
  engines.RU = std::make_unique<EspeakEngine>(worker_, output(0), Reading::Natural);
  engines.HE = std::make_unique<EspeakEngine>(worker_, output(1), Reading::Transliteration);
  engines.EN = std::make_unique<EspeakEngine>(worker_, output(2), Reading::Natural, u"English");
  voices_ = std::make_unique<SpeechService>(std::move(engines), [](bool) {});
  voices_->SelectSavedVoices(settings);
  if (!voices_->SpeechAvailable()) throw std::runtime_error("no speech engine voice is installed");
}

OfflineSpeech::~OfflineSpeech() = default;

int OfflineSpeech::SampleRate() const { return worker_->SampleRate(); }

std::vector<std::int16_t> OfflineSpeech::Render(text::Language language, std::string_view bytes) {
  Engine& engine = language == text::Language::Russian  ? voices_->RU()
                   : language == text::Language::Hebrew ? voices_->HE()
                                                        : voices_->EN();
  Speak(engine, language, bytes);
  while (engine.Speaking()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return captures_[static_cast<std::size_t>(language) - 1]->Take();
}

}  // namespace speech
