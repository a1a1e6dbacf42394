#pragma once

// The one thread of the process that calls espeak-ng.
//
// espeak-ng keeps a single global state per process (voice, rate, callback), so every engine
// instance hands its texts to this worker, which runs them one after another; each job sets its
// own voice and rate before it synthesises. Construct it through Shared(): while any holder keeps
// it alive, every caller gets the same worker.

#include <QString>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "speech/AudioOutput.h"

namespace speech {

// One engine mode: an espeak-ng voice with a voice variant, under a speaker name.
struct VoiceMode {
  QString name;       // "Russian - Nicolai", "English (America) - Carol"
  QString speaker;    // "Nicolai"
  std::string voice;  // espeak-ng voice to set: "ru", "ru+f2", "en-us+f5"
};

class SynthesisWorker {
 public:
  // The worker of this process; started (and espeak-ng initialised) on first use.
  static std::shared_ptr<SynthesisWorker> Shared();

  SynthesisWorker(const SynthesisWorker&) = delete;
  SynthesisWorker& operator=(const SynthesisWorker&) = delete;
  // Drops the jobs still waiting, cuts the running synthesis short and ends the thread.
  ~SynthesisWorker();

  // False when espeak-ng could not be initialised; then there are no modes and jobs are dropped.
  bool Available() const { return available_; }
  // The installed modes, in a fixed order: Russian ones first.
  const std::vector<VoiceMode>& Modes() const { return modes_; }
  // Sample rate of every PCM the worker produces.
  int SampleRate() const { return sampleRate_; }

  struct Job {
    std::string voice;                    // VoiceMode::voice
    int wordsPerMinute = 175;             // espeak-ng rate
    std::string input;                    // UTF-8, phoneme input "[[...]]" allowed
    std::shared_ptr<AudioOutput> output;  // receives every sample, on the worker thread
    std::function<void()> finished;       // called on the worker thread after the last sample
  };
  // Queues a job; returns at once. Jobs run in the order submitted.
  void Submit(Job job);

  // Synthesises `input` without playing it and returns espeak-ng's phoneme trace of what would
  // be spoken (phoneme mnemonics, "'" before a stressed vowel). Blocks until done.
  std::string PhonemeTrace(const std::string& voice, const std::string& input);

 private:
  SynthesisWorker();
  void Run();
  void RunJob(const Job& job);

  bool available_ = false;
  int sampleRate_ = 0;
  std::vector<VoiceMode> modes_;

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> tasks_;
  std::atomic<bool> stopping_ = false;
  std::thread thread_;
};

}  // namespace speech
