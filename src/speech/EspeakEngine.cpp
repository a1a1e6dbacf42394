#include "speech/EspeakEngine.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <string>
#include <utility>

#include "speech/EspeakMarkup.h"

namespace speech {

EspeakEngine::EspeakEngine(std::shared_ptr<SynthesisWorker> worker,
                           std::unique_ptr<AudioOutput> output, Reading reading,
                           QStringView defaultModeName)
    : worker_(std::move(worker)),
      output_(std::move(output)),
      reading_(reading),
      speed_(espeakRATE_NORMAL) {
  for (int mode = ModeCount(); mode >= 1; --mode) {
    if (ModeName(mode).contains(defaultModeName)) defaultMode_ = mode;
  }
}

int EspeakEngine::ModeCount() const {
  return worker_->Available() ? static_cast<int>(worker_->Modes().size()) : 0;
}

const VoiceMode& EspeakEngine::ModeAt(int mode) const {
  if (mode < 1 || mode > ModeCount()) {
    throw EngineError("There is no speech engine mode " + std::to_string(mode) + " (modes 1 to " +
                      std::to_string(ModeCount()) + " are installed)");
  }
  return worker_->Modes()[static_cast<std::size_t>(mode - 1)];
}

const VoiceMode& EspeakEngine::CurrentMode() const {
  return ModeAt(mode_ == 0 ? defaultMode_ : mode_);
}

QString EspeakEngine::ModeName(int mode) const { return ModeAt(mode).name; }

QString EspeakEngine::Speaker(int mode) const { return ModeAt(mode).speaker; }

void EspeakEngine::Select(int mode) {
  ModeAt(mode);
  mode_ = mode;
}

int EspeakEngine::Speed() const { return speed_; }

void EspeakEngine::SetSpeed(int wordsPerMinute) {
  speed_ = std::clamp(wordsPerMinute, MinSpeed(), MaxSpeed());
}

int EspeakEngine::MinSpeed() const { return espeakRATE_MINIMUM; }

int EspeakEngine::MaxSpeed() const { return espeakRATE_MAXIMUM; }

bool EspeakEngine::Speaking() const { return *inSynthesis_ > 0 || output_->Playing(); }

void EspeakEngine::Speak(QStringView text) {
  if (ModeCount() == 0) return;
  std::string input = EspeakMarkup(text, reading_);
  // espeak-ng gives a little silence even for nothing; nothing to say is not spoken at all.
  if (input.find_first_not_of(" \t\n\r\v\f") == std::string::npos) return;
  ++*inSynthesis_;
  SynthesisWorker::Job job;
  job.voice = CurrentMode().voice;
  job.wordsPerMinute = speed_;
  job.input = std::move(input);
  job.output = output_;
  job.finished = [counter = inSynthesis_] { --*counter; };
  worker_->Submit(std::move(job));
}

std::string EspeakEngine::SpokenPhonemes(QStringView text) const {
  if (ModeCount() == 0) return {};
  return worker_->PhonemeTrace(CurrentMode().voice, EspeakMarkup(text, reading_));
}

EngineSet CreateEspeakEngines() {
  std::shared_ptr<SynthesisWorker> worker = SynthesisWorker::Shared();
  EngineSet engines;
  engines.RU = std::make_unique<EspeakEngine>(worker, MakeDefaultOutput(), Reading::Natural);
  engines.HE =
      std::make_unique<EspeakEngine>(worker, MakeDefaultOutput(), Reading::Transliteration);
  engines.EN =
      std::make_unique<EspeakEngine>(worker, MakeDefaultOutput(), Reading::Natural, u"English");
  return engines;
}

}  // namespace speech
