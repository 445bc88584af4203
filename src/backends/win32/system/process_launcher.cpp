#include "backends/win32/system/process_launcher.h"

#include <windows.h>

#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

bool Win32ProcessLauncher::runAndWait(const std::string& commandLine, const std::string& currentDirectory,
                                      int showMode) {
  // CreateProcessW may write into the command line: it needs a buffer of its own.
  std::wstring command = widen(commandLine);
  const std::wstring folder = widen(currentDirectory);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showMode);
  PROCESS_INFORMATION process{};
  // A console of its own, not the one of whoever started Lumaro (which it may be attached to), and
  // normal priority even when Lumaro itself was started at a lower one.
  constexpr DWORD kCreation = CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS;
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, kCreation, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
    return false;
  ::CloseHandle(process.hThread);
  ::WaitForSingleObject(process.hProcess, INFINITE);
  ::CloseHandle(process.hProcess);
  return true;
}

}  // namespace lumaro::platform::win32
