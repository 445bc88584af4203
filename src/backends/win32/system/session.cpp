#include "backends/win32/system/session.h"

#include <windows.h>

namespace lumaro::platform::win32 {

bool Win32SessionControl::enableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  const bool enabled = ::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid) &&
                       ::AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
                       ::GetLastError() == ERROR_SUCCESS;
  ::CloseHandle(token);
  return enabled;
}

bool Win32SessionControl::exitSession(std::uint32_t flags) {
  // The call only starts the end of the session; the answers of the other programs come later. A
  // reason of 0 would log an undefined, unplanned shutdown, which can make the system write its state
  // out first and the next logon ask why: the user chose this one from the menu.
  return ::ExitWindowsEx(flags, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_FLAG_PLANNED);
}

void Win32KeyEvents::pressKey(std::uint8_t virtualKey) {
  // The key goes up again too: a key sent only down stays down in the system's key state, so that
  // every program would see Backspace held until the user pressed it.
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace lumaro::platform::win32
