#pragma once

// Where an engine instance's synthesised speech goes.

#include <cstddef>
#include <cstdint>
#include <memory>

class QAudioDevice;

namespace speech {

// A sink for 16-bit mono PCM. Write() is called from the synthesis worker thread, Playing() from
// the user-interface thread; implementations are thread-safe between the two.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;

  // Appends `count` samples at `sampleRate` Hz to what is being played. Never blocks for long.
  virtual void Write(const std::int16_t* samples, std::size_t count, int sampleRate) = 0;
  // True while some written sample has not been played yet. Without any Write() it is false.
  virtual bool Playing() const = 0;
};

// Extra time a device output may take beyond the written samples' duration: Playing() is false
// no later than that duration plus this margin after the first of them was written (or after the
// end of the samples before them, if those were still playing).
inline constexpr double kDeviceMarginSeconds = 0.5;

// Plays to `device` through Qt Multimedia, on a thread of its own. Samples written while nothing
// plays begin an utterance. A sink that stalled (did not finish the last utterance by its
// deadline), failed or lost its sound server is never used again: the next samples get a newly
// opened one. A device that cannot play drops the samples it was given;
// its utterance then ends at the same deadline as if it had played. Playing() is false once the
// sink has played everything or at the deadline above, whichever comes first.
std::unique_ptr<AudioOutput> MakeDeviceOutput(const QAudioDevice& device);

// Like MakeDeviceOutput, on the system's default audio output device as it is when each
// utterance begins, so that speech follows the user's choice of outputs and a restarted sound
// server. While there is no device, utterances are paced in real time without sound.
std::unique_ptr<AudioOutput> MakeDefaultOutput();

// Plays nothing, but takes as long as playing would: Playing() stays true until the written
// samples' duration has passed, counted from when they were written (or from the end of the
// samples before them, if those are still playing).
std::unique_ptr<AudioOutput> MakeSilentOutput();

}  // namespace speech
