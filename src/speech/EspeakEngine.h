#pragma once

// The speech engine on the espeak-ng library.
//
// Modes are espeak-ng voices combined with voice variants, each under a speaker name: Russian
// modes ("Russian ...") include the speaker "Nicolai", English modes ("English ...") include the
// speaker "Carol". Only modes whose voice and variant are installed are offered. Speed is in words
// per minute within espeak-ng's bounds.
//
// espeak-ng keeps one global state per process, so every instance hands its texts to one shared
// synthesis worker thread, the only thread that ever calls the library; each job applies its
// instance's voice and speed before it synthesises. The PCM goes to the instance's AudioOutput.

#include <QString>
#include <QStringView>
#include <atomic>
#include <memory>

#include "speech/AudioOutput.h"
#include "speech/Engine.h"

namespace speech {

class SynthesisWorker;

// How an instance reads Cyrillic text.
enum class Reading {
  // As a Russian text: the voice's own rules, with "<" marking the stressed vowel.
  Natural,
  // Letter by letter as written, every vowel unreduced, with "<" marking the stressed vowel: the
  // Cyrillic transliterations of Hebrew words.
  Transliteration,
};

class EspeakEngine : public Engine {
 public:
  // `worker` is shared by every instance of the process; `output` receives this instance's PCM.
  EspeakEngine(std::shared_ptr<SynthesisWorker> worker, std::unique_ptr<AudioOutput> output,
               Reading reading = Reading::Natural);
  ~EspeakEngine() override;

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

 private:
  std::shared_ptr<SynthesisWorker> worker_;
  std::shared_ptr<AudioOutput> output_;
  Reading reading_;
  int mode_ = 0;
  int speed_;
  // Texts handed to the worker whose synthesis has not finished yet.
  std::shared_ptr<std::atomic<int>> inSynthesis_;
};

// The three instances of the program on one shared worker, playing to the default audio device
// (or, without one, to a silent output paced in real time). The Hebrew instance reads
// transliterations. Never throws: without a usable espeak-ng every instance has no modes.
EngineSet CreateEspeakEngines();

}  // namespace speech
