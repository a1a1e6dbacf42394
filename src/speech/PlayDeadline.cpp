#include "speech/PlayDeadline.h"

#include <algorithm>

namespace speech {

void PlayDeadline::Add(std::size_t count, int sampleRate, Clock::time_point now) {
  if (count == 0 || sampleRate <= 0) return;
  const auto duration = std::chrono::duration_cast<Clock::duration>(
      std::chrono::duration<double>(static_cast<double>(count) / sampleRate));
  end_ = std::max(end_, now) + duration;
}

}  // namespace speech
