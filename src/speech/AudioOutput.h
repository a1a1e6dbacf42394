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
  // True while some written sample has not been played yet.
  virtual bool Playing() const = 0;
};

// Plays to `device` through Qt Multimedia, on a thread of its own. A device that fails drops
// what it was given, so Playing() never stays true for a sink that cannot play.
std::unique_ptr<AudioOutput> MakeDeviceOutput(const QAudioDevice& device);

// Plays to the system's default audio output device, or, when there is none, to a silent output
// paced in real time (see MakeSilentOutput).
std::unique_ptr<AudioOutput> MakeDefaultOutput();

// Plays nothing, but takes as long as playing would: Playing() stays true until the written
// samples' duration has passed, counted from when they were written (or from the end of the
// samples before them, if those are still playing).
std::unique_ptr<AudioOutput> MakeSilentOutput();

}  // namespace speech
