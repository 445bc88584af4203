#include "backends/linux/desktop/session_control.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

namespace lumaro::platform::linuxos {

namespace {
constexpr std::uint32_t kShutdown = 1;
constexpr std::uint32_t kReboot = 2;
constexpr std::uint32_t kPowerOff = 8;
}  // namespace

LogindSessionControl::LogindSessionControl(QDBusConnection bus) : bus_(std::move(bus)) {}

bool LogindSessionControl::exitSession(std::uint32_t flags) {
  const char* method = (flags & kReboot)                   ? "Reboot"
                       : (flags & (kShutdown | kPowerOff)) ? "PowerOff"
                                                           : nullptr;
  if (method == nullptr) return false;
  QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                                     "org.freedesktop.login1.Manager", method);
  call << false;  // interactive: never ask for authorisation
  if (!bus_.isConnected()) return false;
  // The answer is only collected, never acted on: the watcher goes with it.
  auto* answer = new QDBusPendingCallWatcher(bus_.asyncCall(call, kTimeoutMs));
  QObject::connect(answer, &QDBusPendingCallWatcher::finished, answer, &QObject::deleteLater);
  return true;
}

}  // namespace lumaro::platform::linuxos
