#include "backends/win32/desktop/event_loop.h"

#include <algorithm>
#include <limits>

#include "backends/shared/steady_milliseconds.h"

namespace lumaro::platform::win32 {

namespace {
// Tells the loop's window that posted calls wait.
constexpr UINT kWake = WM_APP + 1;
constexpr std::uint64_t kNoBarrier = std::numeric_limits<std::uint64_t>::max();
}  // namespace

Win32EventLoop::Win32EventLoop()
    : window_({.className = L"LumaroEventLoop"}, [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return handle(message, wParam, lParam);
      }) {}

std::optional<LRESULT> Win32EventLoop::handle(UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_TIMER) {
    const auto found = timers_.find(static_cast<TimerId>(wParam));
    if (found == timers_.end()) return 0;
    // The callback may stop its own timer: keep it alive until it returns.
    const std::shared_ptr<Callback> tick = found->second;
    (*tick)();
    return 0;
  }
  if (message == kWake) {
    wakePosted_ = false;
    runPosted(kNoBarrier);
    return 0;
  }
  return std::nullopt;
}

EventLoop::TimerId Win32EventLoop::startTimer(std::uint32_t intervalMs, Callback onTick) {
  const TimerId id = nextTimer_++;
  timers_[id] = std::make_shared<Callback>(std::move(onTick));
  SetTimer(window_.handle(), static_cast<UINT_PTR>(id), intervalMs, nullptr);
  return id;
}

void Win32EventLoop::stopTimer(TimerId id) {
  if (timers_.erase(id) == 0) return;
  // Also takes a WM_TIMER of this timer out of the queue.
  KillTimer(window_.handle(), static_cast<UINT_PTR>(id));
}

void Win32EventLoop::wake() {
  if (wakePosted_) return;
  wakePosted_ = PostMessageW(window_.handle(), kWake, 0, 0) != FALSE;
}

void Win32EventLoop::post(Callback message) {
  posted_.push_back({nextSequence_++, std::move(message)});
  wake();
}

void Win32EventLoop::runPosted(std::uint64_t barrier) {
  while (!posted_.empty() && posted_.front().sequence < barrier) {
    Callback message = std::move(posted_.front().message);
    posted_.pop_front();
    message();
  }
}

void Win32EventLoop::processPending() {
  const std::uint64_t barrier = nextSequence_;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.hwnd == window_.handle() && message.message == kWake) {
      // Taken here rather than dispatched: the calls posted since the start wait for the next turn.
      wakePosted_ = false;
      runPosted(barrier);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (!posted_.empty()) wake();
}

void Win32EventLoop::pause(std::uint32_t ms) {
  const std::uint64_t end = now() + ms;
  for (;;) {
    if (pauseBreaker_ && pauseBreaker_()) return;
    const std::uint64_t left = end - std::min(end, now());
    if (left == 0) return;
    // Wakes for sent messages only; PM_QS_SENDMESSAGE delivers those and leaves the queue alone.
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left), QS_SENDMESSAGE, 0);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

std::uint64_t Win32EventLoop::now() const {
  return steadyMilliseconds();
}

int Win32EventLoop::run() {
  // A quit request ends the one run it falls into, or the next one when none is running yet. Not
  // WM_QUIT: that would also end whichever modal loop happens to run.
  MSG message;
  while (!quitRequested_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  quitRequested_ = false;
  return exitCode_;
}

void Win32EventLoop::quit(int exitCode) {
  quitRequested_ = true;
  exitCode_ = exitCode;
  // GetMessage returns only for a posted message.
  PostMessageW(window_.handle(), WM_NULL, 0, 0);
}

}  // namespace lumaro::platform::win32
