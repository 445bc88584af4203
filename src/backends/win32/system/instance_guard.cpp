#include "backends/win32/system/instance_guard.h"

#include <windows.h>

#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

MutexInstanceGuard::~MutexInstanceGuard() {
  for (void* mutex : mutexes_) ::CloseHandle(mutex);
}

bool MutexInstanceGuard::claim(const std::string& name) {
  const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, widen(name).c_str());
  if (mutex == nullptr) return false;
  if (::GetLastError() == ERROR_ALREADY_EXISTS) {
    ::CloseHandle(mutex);
    return false;
  }
  mutexes_.push_back(mutex);
  return true;
}

}  // namespace lumaro::platform::win32
