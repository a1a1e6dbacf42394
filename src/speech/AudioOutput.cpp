#include "speech/AudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QMetaObject>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <mutex>

namespace speech {

namespace {

using Clock = std::chrono::steady_clock;

class SilentOutput : public AudioOutput {
 public:
  void Write(const std::int16_t*, std::size_t count, int sampleRate) override {
    if (count == 0 || sampleRate <= 0) return;
    const auto duration = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(static_cast<double>(count) / sampleRate));
    std::lock_guard guard(lock_);
    end_ = std::max(end_, Clock::now()) + duration;
  }

  bool Playing() const override {
    std::lock_guard guard(lock_);
    return Clock::now() < end_;
  }

 private:
  mutable std::mutex lock_;
  Clock::time_point end_{};
};

// Plays to an audio device. The sink lives on a thread of its own with an event loop, so playing
// never depends on the user-interface thread being idle; a 10 ms pump moves the written samples
// into the sink as it has room for them.
class DeviceOutput : public AudioOutput {
 public:
  explicit DeviceOutput(QAudioDevice device) : device_(std::move(device)) {
    pump_.moveToThread(&thread_);
    thread_.start();
  }

  ~DeviceOutput() override {
    QMetaObject::invokeMethod(
        &pump_,
        [this] {
          timer_.reset();
          if (sink_) sink_->stop();
          sink_.reset();
        },
        Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
  }

  void Write(const std::int16_t* samples, std::size_t count, int sampleRate) override {
    if (count == 0) return;
    bool start = false;
    {
      std::lock_guard guard(lock_);
      pending_.append(reinterpret_cast<const char*>(samples),
                      static_cast<qsizetype>(count * sizeof(std::int16_t)));
      playing_ = true;
      if (sampleRate_ == 0) {
        sampleRate_ = sampleRate;
        start = true;
      }
    }
    if (start)
      QMetaObject::invokeMethod(
          &pump_, [this] { Start(); }, Qt::QueuedConnection);
  }

  bool Playing() const override { return playing_; }

 private:
  // On the audio thread: opens the sink in push mode and starts the pump.
  void Start() {
    QAudioFormat format;
    format.setSampleRate(sampleRate_);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    sink_ = std::make_unique<QAudioSink>(device_, format);
    device_io_ = sink_->start();
    timer_ = std::make_unique<QTimer>();
    QObject::connect(timer_.get(), &QTimer::timeout, &pump_, [this] { Pump(); });
    timer_->start(10);
    Pump();
  }

  // On the audio thread: hands over what the sink has room for and updates Playing().
  void Pump() {
    if (!sink_ || !device_io_) {
      std::lock_guard guard(lock_);
      pending_.clear();
      playing_ = false;
      return;
    }
    std::lock_guard guard(lock_);
    const QAudio::Error error = sink_->error();
    if (error != QAudio::NoError && error != QAudio::UnderrunError) {
      pending_.clear();  // a broken device plays nothing; never report endless speech
      playing_ = false;
      return;
    }
    const qsizetype room = sink_->bytesFree();
    const qsizetype chunk = std::min(room, pending_.size());
    if (chunk > 0) {
      const qint64 written = device_io_->write(pending_.constData(), chunk);
      if (written > 0) {
        pending_.remove(0, written);
      }
    }
    // Idle means the sink ran out of samples: everything handed over has been played.
    playing_ = !pending_.isEmpty() || sink_->state() == QAudio::ActiveState;
  }

  QAudioDevice device_;
  QThread thread_;
  QObject pump_;
  std::unique_ptr<QAudioSink> sink_;
  QIODevice* device_io_ = nullptr;
  std::unique_ptr<QTimer> timer_;

  std::mutex lock_;
  QByteArray pending_;
  int sampleRate_ = 0;
  std::atomic<bool> playing_ = false;
};

}  // namespace

std::unique_ptr<AudioOutput> MakeSilentOutput() { return std::make_unique<SilentOutput>(); }

std::unique_ptr<AudioOutput> MakeDeviceOutput(const QAudioDevice& device) {
  return std::make_unique<DeviceOutput>(device);
}

std::unique_ptr<AudioOutput> MakeDefaultOutput() {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return MakeSilentOutput();
  return MakeDeviceOutput(device);
}

}  // namespace speech
