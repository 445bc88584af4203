#include "toolkit/core/timer.h"

#include "toolkit/core/application.h"

namespace lumaro::toolkit {

Timer::Timer(Component* owner, Application& app) : Component(owner), app_(app) {
  restart();
}

Timer::~Timer() {
  if (id_ != 0) app_.loop().stopTimer(id_);
}

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  restart();
}

void Timer::setInterval(std::uint32_t interval) {
  if (interval == interval_) return;
  interval_ = interval;
  restart();
}

void Timer::restart() {
  if (id_ != 0) {
    app_.loop().stopTimer(id_);
    id_ = 0;
  }
  if (enabled_ && interval_ > 0) {
    id_ = app_.loop().startTimer(interval_, [this] { app_.guarded([this] { OnTimer(*this); }); });
  }
}

}  // namespace lumaro::toolkit
