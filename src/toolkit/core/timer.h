#pragma once
#include <cstdint>

#include "platform/event_loop.h"
#include "toolkit/core/component.h"
#include "toolkit/core/event.h"

namespace lumaro::toolkit {

class Application;

// A window timer: fires OnTimer every Interval milliseconds while Enabled and Interval > 0.
class Timer : public Component {
 public:
  Timer(Component* owner, Application& app);
  ~Timer() override;

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  std::uint32_t interval() const { return interval_; }
  // A new interval restarts the count.
  void setInterval(std::uint32_t interval);

  NotifyEvent OnTimer;

 private:
  void restart();

  Application& app_;
  bool enabled_ = true;
  std::uint32_t interval_ = 1000;
  platform::EventLoop::TimerId id_ = 0;
};

}  // namespace lumaro::toolkit
