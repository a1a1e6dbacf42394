#include "app/EndSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <stdexcept>

namespace app {
namespace {

constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};

// The write end of the pipe of the living EndSignals; -1 while there is none.
volatile sig_atomic_t writeEnd = -1;

extern "C" void WriteSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  if (writeEnd >= 0) {
    const ssize_t written = write(writeEnd, &byte, 1);
    static_cast<void>(written);  // a full pipe already holds a byte that wakes the program
  }
  errno = savedErrno;
}

}  // namespace

EndSignals::EndSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    throw std::runtime_error("Cannot watch for the signals that end the program.");
  }
  writeEnd = pipe_[1];
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &EndSignals::Arrived);
  struct sigaction action = {};
  action.sa_handler = WriteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals() {
  for (const int signal : kSignals) ::signal(signal, SIG_DFL);
  writeEnd = -1;
  delete notifier_;
  close(pipe_[0]);
  close(pipe_[1]);
}

// Several signals in a row end the program once: the pipe is drained before the call.
void EndSignals::Arrived() {
  char bytes[16];
  while (read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  onSignal_();
}

}  // namespace app
