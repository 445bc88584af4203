#include "system/session_commands.h"

#include "platform/system_info.h"

namespace lumaro::system {

bool RequestSystemExit(platform::SessionControl& session, int platformFamily, std::uint32_t flags) {
  if (platformFamily == platform::kFamilyNt) session.enableShutdownPrivilege();
  return session.exitSession(flags);
}

void suspendSystem(platform::KeyEvents& keys) {
  keys.pressKey(kVkBack);
  keys.pressKey(kVkSleep);
}

}  // namespace lumaro::system
