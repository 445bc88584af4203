#pragma once
#include <functional>
#include <utility>

namespace lumaro::toolkit {

// An event slot: holds at most one handler; an empty slot is skipped.
template <class... Args>
class Event {
 public:
  using Handler = std::function<void(Args...)>;

  Event& operator=(Handler handler) {
    handler_ = std::move(handler);
    return *this;
  }
  explicit operator bool() const { return static_cast<bool>(handler_); }
  const Handler& handler() const { return handler_; }

  void operator()(Args... args) const {
    if (handler_) handler_(std::forward<Args>(args)...);
  }

 private:
  Handler handler_;
};

class Component;
using NotifyEvent = Event<Component&>;

}  // namespace lumaro::toolkit
