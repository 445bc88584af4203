#include "platform/qt/session_end_bridge.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <system_error>

namespace lumaro::platform::qt {

namespace {

// Read by the signal handler, which cannot reach the bridge object.
volatile std::sig_atomic_t signalWriteFd = -1;

extern "C" void onTerminate(int) {
  const int savedErrno = errno;
  const char byte = 1;
  // Non-blocking: when the pipe is full, a request is already pending.
  [[maybe_unused]] const ssize_t written = ::write(signalWriteFd, &byte, 1);
  errno = savedErrno;
}

}  // namespace

SessionEndBridge::SessionEndBridge(std::function<void()> onSessionEnd)
    : onSessionEnd_(std::move(onSessionEnd)) {
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
  action.sa_handler = onTerminate;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &action, &previous_);
}

SessionEndBridge::~SessionEndBridge() {
  ::sigaction(SIGTERM, &previous_, nullptr);
  signalWriteFd = -1;
  notifier_.reset();
  ::close(readFd_);
  ::close(writeFd_);
}

void SessionEndBridge::drainAndNotify() {
  char buffer[64];
  while (::read(readFd_, buffer, sizeof buffer) > 0) {
  }
  if (onSessionEnd_) onSessionEnd_();
}

}  // namespace lumaro::platform::qt
