#include "backends/fake/fake_event_loop.h"

namespace lumaro::platform::fake {

EventLoop::TimerId FakeEventLoop::startTimer(std::uint32_t intervalMs, Callback onTick) {
  const TimerId id = nextId_++;
  timers_[id] = Timer{intervalMs, now_ + intervalMs, std::move(onTick)};
  return id;
}

void FakeEventLoop::stopTimer(TimerId id) {
  timers_.erase(id);
}

void FakeEventLoop::post(Callback message) {
  posted_.push_back(std::move(message));
}

void FakeEventLoop::runPosted() {
  while (!posted_.empty()) {
    Callback message = std::move(posted_.front());
    posted_.pop_front();
    message();
  }
}

bool FakeEventLoop::fireNextDue(std::uint64_t limit) {
  auto earliest = timers_.end();
  for (auto it = timers_.begin(); it != timers_.end(); ++it) {
    if (it->second.due <= limit && (earliest == timers_.end() || it->second.due < earliest->second.due)) {
      earliest = it;
    }
  }
  if (earliest == timers_.end()) return false;
  if (earliest->second.due > now_) now_ = earliest->second.due;
  // A late timer fires once and then keeps its rhythm from now.
  earliest->second.due = now_ + earliest->second.interval;
  Callback onTick = earliest->second.onTick;  // the callback may stop its own timer
  onTick();
  return true;
}

void FakeEventLoop::processPending() {
  ++processPendingCalls_;
  runPosted();
  std::vector<TimerId> due;
  for (const auto& [id, timer] : timers_) {
    if (timer.due <= now_) due.push_back(id);
  }
  for (TimerId id : due) {
    auto it = timers_.find(id);
    if (it == timers_.end() || it->second.due > now_) continue;
    it->second.due = now_ + it->second.interval;
    Callback onTick = it->second.onTick;
    onTick();
  }
  runPosted();
}

void FakeEventLoop::pause(std::uint32_t ms) {
  pauses_.push_back(ms);
  now_ += ms;
}

void FakeEventLoop::advance(std::uint64_t ms) {
  const std::uint64_t target = now_ + ms;
  runPosted();
  while (!quitPending_ && fireNextDue(target)) runPosted();
  if (now_ < target) now_ = target;
  runPosted();
}

int FakeEventLoop::run() {
  if (!quitPending_) runPosted();
  while (!quitPending_ && !timers_.empty()) {
    std::uint64_t next = UINT64_MAX;
    for (const auto& entry : timers_) next = std::min(next, entry.second.due);
    fireNextDue(next);
    runPosted();
  }
  quitPending_ = false;
  return exitCode_;
}

void FakeEventLoop::quit(int exitCode) {
  quitRequested_ = true;
  quitPending_ = true;
  exitCode_ = exitCode;
}

}  // namespace lumaro::platform::fake
