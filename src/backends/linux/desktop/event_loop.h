#pragma once
#include <QObject>
#include <cstdint>
#include <map>

#include "platform/event_loop.h"

class QTimer;

namespace lumaro::platform::linuxos {

// The program's message loop on Qt's. Construct it after the QApplication, on the same thread.
class QtEventLoop : public EventLoop {
 public:
  QtEventLoop() = default;
  QtEventLoop(const QtEventLoop&) = delete;
  QtEventLoop& operator=(const QtEventLoop&) = delete;

  TimerId startTimer(std::uint32_t intervalMs, Callback onTick) override;
  void stopTimer(TimerId id) override;
  void post(Callback message) override;
  void processPending() override;
  // Ends early when the pause breaker becomes readable: a close request must not wait for the pause.
  void pause(std::uint32_t ms) override;
  // A descriptor that is readable while a close request waits (-1: none).
  void setPauseBreaker(int fd) { pauseBreaker_ = fd; }
  std::uint64_t now() const override;
  // Returns at once when quit was asked for before the loop started.
  int run() override;
  void quit(int exitCode) override;

 private:
  // Parent of the timers and receiver of posted messages: both go away with the loop.
  QObject context_;
  std::map<TimerId, QTimer*> timers_;
  TimerId nextId_ = 1;
  bool running_ = false;
  bool quitRequested_ = false;
  int exitCode_ = 0;
  int pauseBreaker_ = -1;
};

}  // namespace lumaro::platform::linuxos
