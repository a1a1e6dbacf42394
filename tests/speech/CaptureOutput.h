#pragma once

// An audio output for engine tests: keeps every sample instead of playing it.

#include <chrono>
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
    std::lock_guard guard(lock_);
    if (!firstWrite_) firstWrite_ = Clock::now();
    samples_.insert(samples_.end(), samples, samples + count);
    sampleRate_ = sampleRate;
  }
  bool Playing() const override { return false; }

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
  std::vector<std::int16_t> samples_;
  int sampleRate_ = 0;
  std::optional<Clock::time_point> firstWrite_;
};

}  // namespace speechtest
