#include "backends/linux/desktop/session_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <system_error>

namespace lumaro::platform::linuxos {

namespace {

// Read by the signal handler, which cannot reach the bridge object.
volatile std::sig_atomic_t signalWriteFd = -1;

extern "C" void onCloseSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  // Non-blocking: when the pipe is full, a request is already pending.
  [[maybe_unused]] const ssize_t written = ::write(signalWriteFd, &byte, 1);
  errno = savedErrno;
}

}  // namespace

SessionEndBridge::SessionEndBridge(std::function<void()> onRequest) : onRequest_(std::move(onRequest)) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
    throw std::system_error(errno, std::generic_category(), "pipe2");
  readFd_ = fds[0];
  writeFd_ = fds[1];
  notifier_ = std::make_unique<QSocketNotifier>(readFd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                   [this] { drainAndNotify(); });

  signalWriteFd = writeFd_;
  struct sigaction action {};
  action.sa_handler = onCloseSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < std::size(kSignals); ++i) {
    ::sigaction(kSignals[i], nullptr, &previous_[i]);
    if (kSignals[i] != SIGTERM && previous_[i].sa_handler == SIG_IGN) continue;
    installed_[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
  }
}

SessionEndBridge::~SessionEndBridge() {
  for (std::size_t i = 0; i < std::size(kSignals); ++i) {
    if (installed_[i]) ::sigaction(kSignals[i], &previous_[i], nullptr);
  }
  signalWriteFd = -1;
  notifier_.reset();
  ::close(readFd_);
  ::close(writeFd_);
}

void SessionEndBridge::ignoreLaterRequests() {
  for (std::size_t i = 0; i < std::size(kSignals); ++i) {
    if (installed_[i]) ::signal(kSignals[i], SIG_IGN);
    installed_[i] = false;
  }
}

void SessionEndBridge::drainAndNotify() {
  char buffer[64];
  while (::read(readFd_, buffer, sizeof buffer) > 0) {
  }
  if (onRequest_) onRequest_();
}

}  // namespace lumaro::platform::linuxos
