#include "platform/qt/logind_session_control.h"

#include <QDBusMessage>

namespace lumaro::platform::qt {

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
  return bus_.call(call, QDBus::Block, kTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

}  // namespace lumaro::platform::qt
