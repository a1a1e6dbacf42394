#pragma once

// When the audio handed to an output has been played, counted in real time.

#include <chrono>
#include <cstddef>

namespace speech {

// Each piece of audio plays from when it is handed over, or from the end of the pieces before it
// if those are still playing then; the deadline is the end of the last piece.
class PlayDeadline {
 public:
  using Clock = std::chrono::steady_clock;

  // `count` samples at `sampleRate` Hz handed over at `now`. A piece without samples or with a
  // rate of 0 or less changes nothing.
  void Add(std::size_t count, int sampleRate, Clock::time_point now);
  // The end of the last piece; before the first, the clock's epoch.
  Clock::time_point End() const { return end_; }

 private:
  Clock::time_point end_{};
};

}  // namespace speech
