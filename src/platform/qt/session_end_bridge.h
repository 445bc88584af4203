#pragma once
#include <csignal>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace lumaro::platform::qt {

// Turns SIGTERM (the session ending) into a call from the event loop. The signal handler only writes
// a byte to a pipe, the one thing that is safe there; the loop reads it and runs `onSessionEnd`.
// Signals that arrive before the loop gets round to it are one request. One bridge at a time: the
// handler is process-wide. Needs a QCoreApplication; restores the previous handler when destroyed.
class SessionEndBridge {
 public:
  explicit SessionEndBridge(std::function<void()> onSessionEnd);
  ~SessionEndBridge();
  SessionEndBridge(const SessionEndBridge&) = delete;
  SessionEndBridge& operator=(const SessionEndBridge&) = delete;

 private:
  void drainAndNotify();

  std::function<void()> onSessionEnd_;
  int readFd_ = -1;
  int writeFd_ = -1;
  struct sigaction previous_ {};
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace lumaro::platform::qt
