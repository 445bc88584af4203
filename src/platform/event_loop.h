#pragma once
#include <cstdint>
#include <functional>

namespace lumaro::platform {

// The user-interface thread's message loop. Everything the program does runs from here.
class EventLoop {
 public:
  using TimerId = std::uint64_t;
  using Callback = std::function<void()>;

  virtual ~EventLoop() = default;

  // A repeating timer that first fires `intervalMs` after the call. Timers fire only while the loop
  // runs (or lets pending messages run); a late timer fires once, not once per missed interval.
  virtual TimerId startTimer(std::uint32_t intervalMs, Callback onTick) = 0;
  // Stops a timer; unknown ids are ignored, also from inside the timer's own callback.
  virtual void stopTimer(TimerId id) = 0;

  // Queues a message to run later from the loop, after those already queued.
  virtual void post(Callback message) = 0;

  // Runs every message that is pending now (timers due, posted messages, input), then returns.
  virtual void processPending() = 0;

  // Blocks the thread for `ms` milliseconds; nothing runs meanwhile.
  virtual void pause(std::uint32_t ms) = 0;

  // Milliseconds on a monotonic clock from an arbitrary start, for pacing work; never a time of day.
  virtual std::uint64_t now() const = 0;

  // Runs until quit; returns the exit code given to quit.
  virtual int run() = 0;
  virtual void quit(int exitCode) = 0;
};

}  // namespace lumaro::platform
