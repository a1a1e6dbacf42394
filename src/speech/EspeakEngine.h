#pragma once

// The speech engine on the espeak-ng library.
//
// Modes are espeak-ng voices combined with voice variants, each under a speaker name (see
// SynthesisWorker): Russian modes ("Russian - ...") include the speaker "Nicolai", English modes
// ("English (...) - ...") include the speaker "Carol". Speed is in words per minute within
// espeak-ng's bounds. Every instance hands its texts to the one shared synthesis worker; the
// PCM goes to the instance's AudioOutput.

#include <QString>
#include <QStringView>
#include <atomic>
#include <memory>

#include "speech/AudioOutput.h"
#include "speech/Engine.h"
#include "speech/Reading.h"
#include "speech/SynthesisWorker.h"

namespace speech {

class EspeakEngine : public Engine {
 public:
  // `worker` is shared by every instance of the process; `output` receives this instance's PCM;
  // `reading` says how Cyrillic text is read (see speech/Reading.h). Until Select() is called the
  // instance speaks with its own default mode: the first whose name contains `defaultModeName`
  // (mode 1 when none does).
  EspeakEngine(std::shared_ptr<SynthesisWorker> worker, std::unique_ptr<AudioOutput> output,
               Reading reading = Reading::Natural, QStringView defaultModeName = u"Russian");

  int ModeCount() const override;
  QString ModeName(int mode) const override;
  QString Speaker(int mode) const override;
  void Select(int mode) override;
  int Speed() const override;
  void SetSpeed(int wordsPerMinute) override;
  int MinSpeed() const override;
  int MaxSpeed() const override;
  bool Speaking() const override;
  void Speak(QStringView text) override;

  // The selected mode (1 to ModeCount()), or 0 before the first Select().
  int SelectedMode() const { return mode_; }
  // espeak-ng's phoneme trace of what Speak(text) would say with the current mode (blocking,
  // nothing is played): "'" stands before each stressed vowel.
  std::string SpokenPhonemes(QStringView text) const;

 private:
  const VoiceMode& ModeAt(int mode) const;
  const VoiceMode& CurrentMode() const;

  std::shared_ptr<SynthesisWorker> worker_;
  std::shared_ptr<AudioOutput> output_;
  Reading reading_;
  int mode_ = 0;
  int defaultMode_ = 1;
  int speed_;
  // Texts handed to the worker whose synthesis has not finished yet; shared with the jobs.
  std::shared_ptr<std::atomic<int>> inSynthesis_ = std::make_shared<std::atomic<int>>(0);
};

// The three instances of the program on one shared worker, each playing to the default audio
// device (or, without one, to a silent output paced in real time). The Hebrew instance reads
// transliterations. Without a usable espeak-ng every instance has no modes.
EngineSet CreateEspeakEngines();

}  // namespace speech
