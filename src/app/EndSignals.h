#pragma once

// Ending by signal: SIGTERM, SIGINT and SIGHUP are turned into a call on the user-interface
// thread, so the program can close the way "Exit" does instead of dying with unsaved work.
//
// The signal handler only writes one byte into a pipe; a socket notifier on the pipe's other end
// runs `onSignal` from the event loop. Only one EndSignals may exist at a time.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace app {

class EndSignals : public QObject {
 public:
  // Installs the handlers. Throws std::runtime_error when the pipe cannot be made.
  explicit EndSignals(std::function<void()> onSignal);
  // Restores the default actions of the three signals.
  ~EndSignals() override;
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 private:
  void Arrived();

  std::function<void()> onSignal_;
  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace app
