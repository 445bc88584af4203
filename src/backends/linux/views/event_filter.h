#pragma once
#include <QEvent>
#include <QObject>
#include <functional>
#include <utility>

namespace lumaro::platform::linuxos {

// An event filter running a callable; the callable answers true to swallow the event. Parent it to the
// object whose lifetime bounds the callable's captures: Qt drops a deleted filter by itself.
class EventFilter : public QObject {
 public:
  using Handler = std::function<bool(QEvent&)>;

  EventFilter(QObject& parent, Handler handler) : QObject(&parent), handler_(std::move(handler)) {}

  bool eventFilter(QObject*, QEvent* event) override { return handler_(*event); }

 private:
  Handler handler_;
};

}  // namespace lumaro::platform::linuxos
