#pragma once
#include <functional>
#include <string>

namespace lumaro::platform {

// One running copy per user session.
class InstanceGuard {
 public:
  virtual ~InstanceGuard() = default;

  // Claims the name for this process until it ends. False when another live process holds it (or the
  // claim is impossible, which is treated the same so that two copies never run together).
  virtual bool claim(const std::string& name) = 0;
};

// Lets another process ask the running copy to show its main window, or to run an optimization.
class RestoreChannel {
 public:
  enum class Request { Restore, Optimize };

  virtual ~RestoreChannel() = default;

  // Starts listening under `name`; each request runs `onRequest` from the event loop. Call only while
  // holding the instance claim. False when listening is impossible (requests are then lost).
  virtual bool listen(const std::string& name, std::function<void(Request)> onRequest) = 0;

  // Sends one request to the copy listening under `name`. False when none listens.
  virtual bool send(const std::string& name, Request request) = 0;

  // Whether requests arrive at the main window's own on-screen window (where other programs look for
  // it), which must then exist, hidden, before listen.
  virtual bool answersOnMainWindow() const { return false; }
};

}  // namespace lumaro::platform
