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

// Lets another process ask the running copy to show its main window.
class RestoreChannel {
 public:
  virtual ~RestoreChannel() = default;

  // Starts listening under `name`; each request runs `onRequest` from the event loop. Call only while
  // holding the instance claim. False when listening is impossible (requests are then lost).
  virtual bool listen(const std::string& name, std::function<void()> onRequest) = 0;

  // Sends one restore request to the copy listening under `name`. False when none listens.
  virtual bool send(const std::string& name) = 0;
};

}  // namespace lumaro::platform
