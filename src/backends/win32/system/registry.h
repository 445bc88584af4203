#pragma once
#include <cstdint>
#include <string>

#include "platform/registry.h"

struct HKEY__;

namespace lumaro::platform::win32 {

// The real registry: RegCreateKeyExW and RegSetValueExW (REG_DWORD) below HKEY_LOCAL_MACHINE. A
// standard user on current Windows may not write there: the call then fails and the caller reports
// it as any failed write.
class Win32Registry : public Registry {
 public:
  Win32Registry();
  // Below another root (tests write below HKEY_CURRENT_USER).
  explicit Win32Registry(HKEY__* root) : root_(root) {}

  bool setDword(const std::string& key, const std::string& name, std::uint32_t value) override;

 private:
  HKEY__* root_;
};

}  // namespace lumaro::platform::win32
