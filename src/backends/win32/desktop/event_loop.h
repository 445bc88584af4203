#pragma once
#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>

#include "backends/win32/desktop/own_window.h"
#include "platform/event_loop.h"

namespace lumaro::platform::win32 {

// The program's message loop on the thread's Win32 message queue. Timers are window timers and posted
// calls are messages to a message-only window, so modal loops (message boxes, menus, window moves)
// keep running both, as they do for every window of the thread. Construct it on the user-interface
// thread.
class Win32EventLoop : public EventLoop {
 public:
  Win32EventLoop();

  // A window timer: a late one is one WM_TIMER, however many intervals were missed.
  TimerId startTimer(std::uint32_t intervalMs, Callback onTick) override;
  void stopTimer(TimerId id) override;
  void post(Callback message) override;
  // Runs what is queued now; calls posted meanwhile wait for the next turn, so that a call that posts
  // itself again cannot keep this from returning.
  void processPending() override;
  // Blocks, but still takes the messages other threads and processes send (the session's end comes
  // that way), and ends early once the pause breaker answers true.
  void pause(std::uint32_t ms) override;
  void setPauseBreaker(std::function<bool()> closeRequested) { pauseBreaker_ = std::move(closeRequested); }
  std::uint64_t now() const override;
  // Returns at once when quit was asked for before the loop started.
  int run() override;
  void quit(int exitCode) override;

 private:
  struct Posted {
    std::uint64_t sequence;
    Callback message;
  };

  std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);
  void wake();
  // Runs the posted calls queued before `barrier`.
  void runPosted(std::uint64_t barrier);

  OwnWindow window_;
  std::map<TimerId, std::shared_ptr<Callback>> timers_;
  TimerId nextTimer_ = 1;
  std::deque<Posted> posted_;
  std::uint64_t nextSequence_ = 0;
  bool wakePosted_ = false;
  bool quitRequested_ = false;
  int exitCode_ = 0;
  std::function<bool()> pauseBreaker_;
};

}  // namespace lumaro::platform::win32
