#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <vector>

#include "platform/event_loop.h"

namespace lumaro::platform::fake {

// A message loop on a virtual clock: nothing waits for real time. Tests move the clock with
// advance(), which fires due timers in order of their due time (then of their creation).
class FakeEventLoop : public EventLoop {
 public:
  TimerId startTimer(std::uint32_t intervalMs, Callback onTick) override;
  void stopTimer(TimerId id) override;
  void post(Callback message) override;
  void processPending() override;
  // Moves the clock forward without running anything, like a blocked thread.
  void pause(std::uint32_t ms) override;
  // Advances the clock from due timer to due timer until quit, or until nothing is left to run.
  int run() override;
  void quit(int exitCode) override;

  // Moves the clock forward by `ms`, running posted messages and every timer that falls due.
  void advance(std::uint64_t ms);

  std::uint64_t now() const override { return now_; }
  const std::vector<std::uint32_t>& pauses() const { return pauses_; }
  std::size_t pendingMessageCount() const { return posted_.size(); }
  std::size_t activeTimerCount() const { return timers_.size(); }
  // Whether quit was ever called.
  bool quitRequested() const { return quitRequested_; }
  int exitCode() const { return exitCode_; }
  int processPendingCalls() const { return processPendingCalls_; }

 private:
  struct Timer {
    std::uint32_t interval;
    std::uint64_t due;
    Callback onTick;
  };

  void runPosted();
  // Fires the earliest timer due at or before `limit`; false when none is.
  bool fireNextDue(std::uint64_t limit);

  std::uint64_t now_ = 0;
  TimerId nextId_ = 1;
  std::map<TimerId, Timer> timers_;
  std::deque<Callback> posted_;
  std::vector<std::uint32_t> pauses_;
  bool quitRequested_ = false;
  bool quitPending_ = false;  // ends the current or next run, and only that one
  int exitCode_ = 0;
  int processPendingCalls_ = 0;
};

}  // namespace lumaro::platform::fake
