#pragma once
#include <csignal>
#include <functional>
#include <iterator>
#include <memory>

class QSocketNotifier;

namespace lumaro::platform::linuxos {

// Turns the close requests that come as signals into a call from the event loop: SIGTERM (the session
// ends), SIGINT (Ctrl+C in the terminal) and SIGHUP (the terminal closed). A SIGINT or SIGHUP that the
// program was started to ignore (nohup, a background job) stays ignored. The signal handler only
// writes a byte to a pipe, the one thing that is safe there; the loop reads it and runs `onRequest`.
// Signals that arrive before the loop gets round to it are one request. One bridge at a time: the
// handlers are process-wide. Needs a QCoreApplication; restores the previous handlers when destroyed,
// unless told to ignore later requests.
class SessionEndBridge {
 public:
  explicit SessionEndBridge(std::function<void()> onRequest);
  ~SessionEndBridge();
  SessionEndBridge(const SessionEndBridge&) = delete;
  SessionEndBridge& operator=(const SessionEndBridge&) = delete;

  // Readable while a request waits for the loop, so that a blocking wait can end early on it.
  int pendingRequestFd() const { return readFd_; }

  // Close signals are ignored from now until the process ends, also after the bridge is gone: the
  // program is ending with its own exit code, and a request that comes meanwhile (a closing terminal
  // sends SIGHUP and SIGTERM together) must not end it by the signal instead.
  void ignoreLaterRequests();

 private:
  static constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

  void drainAndNotify();

  std::function<void()> onRequest_;
  int readFd_ = -1;
  int writeFd_ = -1;
  struct sigaction previous_[std::size(kSignals)]{};
  bool installed_[std::size(kSignals)]{};
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace lumaro::platform::linuxos
