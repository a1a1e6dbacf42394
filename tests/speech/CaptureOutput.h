#pragma once

// An audio output for engine tests: keeps every sample instead of playing it. Held, it keeps the
// engine's first write waiting until Release (or 30 seconds, which it then reports).

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "speech/AudioOutput.h"

namespace speechtest {

class CaptureOutput : public speech::AudioOutput {
 public:
  using Clock = std::chrono::steady_clock;

  void Write(const std::int16_t* samples, std::size_t count, int sampleRate) override {
    std::unique_lock guard(lock_);
    if (held_ && !released_.wait_for(guard, std::chrono::seconds(30), [this] { return !held_; })) {
      heldTooLong_ = true;
      held_ = false;
    }
    if (!firstWrite_) firstWrite_ = Clock::now();
    samples_.insert(samples_.end(), samples, samples + count);
    sampleRate_ = sampleRate;
  }
  bool Playing() const override { return false; }

  void Hold() {
    std::lock_guard guard(lock_);
    held_ = true;
  }
  void Release() {
    {
      std::lock_guard guard(lock_);
      held_ = false;
    }
    released_.notify_all();
  }
  // True when a held write waited 30 seconds without Release.
  bool HeldTooLong() const {
    std::lock_guard guard(lock_);
    return heldTooLong_;
  }

  std::vector<std::int16_t> Samples() const {
    std::lock_guard guard(lock_);
    return samples_;
  }
  double Seconds() const {
    std::lock_guard guard(lock_);
    return sampleRate_ ? static_cast<double>(samples_.size()) / sampleRate_ : 0.0;
  }
  int SampleRate() const {
    std::lock_guard guard(lock_);
    return sampleRate_;
  }
  std::optional<Clock::time_point> FirstWrite() const {
    std::lock_guard guard(lock_);
    return firstWrite_;
  }
  void Clear() {
    std::lock_guard guard(lock_);
    samples_.clear();
    firstWrite_.reset();
  }

 private:
  mutable std::mutex lock_;
  std::condition_variable released_;
  bool held_ = false;
  bool heldTooLong_ = false;
  std::vector<std::int16_t> samples_;
  int sampleRate_ = 0;
  std::optional<Clock::time_point> firstWrite_;
};

}  // namespace speechtest
