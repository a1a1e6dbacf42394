#include "speech/AudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QMetaObject>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <mutex>
#include <optional>
#include <utility>

#include "speech/PlayDeadline.h"

namespace speech {

namespace {

using Clock = PlayDeadline::Clock;

class SilentOutput : public AudioOutput {
 public:
  void Write(const std::int16_t*, std::size_t count, int sampleRate) override {
    std::lock_guard guard(lock_);
    deadline_.Add(count, sampleRate, Clock::now());
  }

  bool Playing() const override {
    std::lock_guard guard(lock_);
    return Clock::now() < deadline_.End();
  }

 private:
  mutable std::mutex lock_;
  PlayDeadline deadline_;
};

// Plays to an audio device. The sink lives on a thread of its own with an event loop, so playing
// never depends on the user-interface thread being idle; a 10 ms pump opens a new sink when the
// last one stalled or failed, and moves the written samples into it as it has room for them. The
// pump never holds the lock while it calls the sink, so Write() and Playing() never wait for the
// device.
class DeviceOutput : public AudioOutput {
 public:
  // `device` empty: the default device as it is when each utterance begins.
  explicit DeviceOutput(std::optional<QAudioDevice> device) : device_(std::move(device)) {
    pump_.moveToThread(&thread_);
    thread_.start();
    QMetaObject::invokeMethod(
        &pump_,
        [this] {
          timer_ = std::make_unique<QTimer>();
          QObject::connect(timer_.get(), &QTimer::timeout, &pump_, [this] { Pump(); });
          timer_->start(10);
        },
        Qt::BlockingQueuedConnection);
  }

  ~DeviceOutput() override {
    QMetaObject::invokeMethod(
        &pump_,
        [this] {
          timer_.reset();
          Close();
        },
        Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
  }

  void Write(const std::int16_t* samples, std::size_t count, int sampleRate) override {
    if (count == 0 || sampleRate <= 0) return;
    const Clock::time_point now = Clock::now();
    std::lock_guard guard(lock_);
    if (!PlayingAt(now)) {
      // A new utterance. A sink that did not play the last one to its end in time has stalled:
      // it is replaced, and what it still holds is dropped with it.
      if (!played_) reopen_ = true;
      pending_.clear();
      played_ = false;
    }
    if (sampleRate != sampleRate_) reopen_ = true;
    sampleRate_ = sampleRate;
    pending_.append(reinterpret_cast<const char*>(samples),
                    static_cast<qsizetype>(count * sizeof(std::int16_t)));
    deadline_.Add(count, sampleRate, now);
  }

  bool Playing() const override {
    std::lock_guard guard(lock_);
    return PlayingAt(Clock::now());
  }

 private:
  bool PlayingAt(Clock::time_point now) const {
    const auto margin = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(kDeviceMarginSeconds));
    return !played_ && now < deadline_.End() + margin;
  }

  // On the audio thread: opens a sink for the utterance that begins, at `sampleRate`.
  void Open(int sampleRate) {
    Close();
    const QAudioDevice device = device_ ? *device_ : QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    sink_ = std::make_unique<QAudioSink>(device, format);
    io_ = sink_->start();
    if (!io_) Close();
  }

  // On the audio thread.
  void Close() {
    if (sink_) sink_->stop();
    sink_.reset();
    io_ = nullptr;
  }

  // On the audio thread: true while the sink can take samples.
  bool Usable() const {
    if (!sink_ || !io_ || sink_->state() == QAudio::StoppedState) return false;
    const QAudio::Error error = sink_->error();
    return error == QAudio::NoError || error == QAudio::UnderrunError;
  }

  bool HasPending() const {
    std::lock_guard guard(lock_);
    return !pending_.isEmpty();
  }

  // On the audio thread: hands over what the sink has room for; notes when all has been played.
  void Pump() {
    bool reopen = false;
    int sampleRate = 0;
    {
      std::lock_guard guard(lock_);
      reopen = std::exchange(reopen_, false);
      sampleRate = sampleRate_;
    }
    if (reopen || (!Usable() && HasPending())) Open(sampleRate);
    if (!Usable()) {
      Close();  // the next utterance tries a new sink; this one ends at its deadline
      std::lock_guard guard(lock_);
      pending_.clear();
      return;
    }
    const qsizetype room = sink_->bytesFree();
    QByteArray chunk;
    {
      std::lock_guard guard(lock_);
      chunk = pending_.left(std::min(room, pending_.size()));
    }
    const qint64 written = chunk.isEmpty() ? 0 : io_->write(chunk);
    // Idle means the sink ran out of samples: everything handed over has been played.
    const bool idle = sink_->state() == QAudio::IdleState;
    std::lock_guard guard(lock_);
    if (reopen_) return;  // a new utterance began meanwhile; its samples are still to come
    if (written > 0) pending_.remove(0, written);
    if (pending_.isEmpty() && idle && sampleRate_ > 0) played_ = true;
  }

  const std::optional<QAudioDevice> device_;
  QThread thread_;
  QObject pump_;
  // Audio thread only.
  std::unique_ptr<QTimer> timer_;
  std::unique_ptr<QAudioSink> sink_;
  QIODevice* io_ = nullptr;

  mutable std::mutex lock_;
  QByteArray pending_;   // written, not yet handed to the sink
  int sampleRate_ = 0;   // of the current utterance
  bool reopen_ = false;  // the current utterance needs a new sink
  bool played_ = true;   // the sink has played every sample of the current utterance
  PlayDeadline deadline_;
};

}  // namespace

std::unique_ptr<AudioOutput> MakeSilentOutput() { return std::make_unique<SilentOutput>(); }

std::unique_ptr<AudioOutput> MakeDeviceOutput(const QAudioDevice& device) {
  return std::make_unique<DeviceOutput>(device);
}

std::unique_ptr<AudioOutput> MakeDefaultOutput() {
  // The first query sets up Qt's connection to the sound server; made here, on the caller's
  // thread, that connection lives there and not on an audio thread.
  QMediaDevices::defaultAudioOutput();
  return std::make_unique<DeviceOutput>(std::nullopt);
}

}  // namespace speech
