#include "backends/linux/desktop/event_loop.h"

#include <poll.h>

#include <QApplication>
#include <QTimer>
#include <chrono>

#include "backends/shared/steady_milliseconds.h"

namespace lumaro::platform::linuxos {

EventLoop::TimerId QtEventLoop::startTimer(std::uint32_t intervalMs, Callback onTick) {
  auto* timer = new QTimer(&context_);
  // Coarse timers may fire up to 5 % early; the first tick must not come before the interval.
  timer->setTimerType(Qt::PreciseTimer);
  timer->setInterval(static_cast<int>(intervalMs));
  QObject::connect(timer, &QTimer::timeout, timer, std::move(onTick));
  timer->start();
  const TimerId id = nextId_++;
  timers_[id] = timer;
  return id;
}

void QtEventLoop::stopTimer(TimerId id) {
  auto found = timers_.find(id);
  if (found == timers_.end()) return;
  found->second->stop();
  // The timer's own callback may be the caller: free the timer once that has returned.
  found->second->deleteLater();
  timers_.erase(found);
}

void QtEventLoop::post(Callback message) {
  // Queued calls to one receiver are delivered in the order they were queued.
  QMetaObject::invokeMethod(&context_, std::move(message), Qt::QueuedConnection);
}

void QtEventLoop::processPending() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventLoop::pause(std::uint32_t ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    if (left.count() <= 0) return;
    // poll skips a negative descriptor and then only waits.
    pollfd breaker{pauseBreaker_, POLLIN, 0};
    if (::poll(&breaker, 1, static_cast<int>(left.count())) > 0) return;
  }
}

std::uint64_t QtEventLoop::now() const {
  return steadyMilliseconds();
}

int QtEventLoop::run() {
  // A quit request ends the one run it falls into, or the next one when none is running yet.
  if (!quitRequested_) {
    running_ = true;
    exitCode_ = QApplication::exec();
    running_ = false;
  }
  quitRequested_ = false;
  return exitCode_;
}

void QtEventLoop::quit(int exitCode) {
  quitRequested_ = true;
  exitCode_ = exitCode;
  // Outside exec() Qt would keep the exit pending and end the next modal box at once instead.
  if (running_) QCoreApplication::exit(exitCode);
}

}  // namespace lumaro::platform::linuxos
