#pragma once
#include <QDBusConnection>

#include "platform/session_control.h"

namespace lumaro::platform::linuxos {

// Ends the session through logind's Manager on D-Bus: Reboot for the reboot flag, PowerOff for shut
// down or power off, never interactive (nobody is asked, as with the forced exit). The call does not
// wait for logind, which may take seconds to decide: the interface goes on at once, and a refusal, a
// missing logind or a timeout is silent.
class LogindSessionControl : public SessionControl {
 public:
  static constexpr int kTimeoutMs = 5000;

  explicit LogindSessionControl(QDBusConnection bus = QDBusConnection::systemBus());

  // Nothing to do here: logind and polkit decide at the call itself.
  bool enableShutdownPrivilege() override { return true; }
  bool exitSession(std::uint32_t flags) override;

 private:
  QDBusConnection bus_;
};

}  // namespace lumaro::platform::linuxos
