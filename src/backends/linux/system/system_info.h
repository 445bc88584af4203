#pragma once
#include <optional>
#include <string>

#include "platform/system_info.h"

namespace lumaro::platform::linuxos {

class LinuxSystemInfo : public SystemInfo {
 public:
  // Always the NT family: Linux offers the counters of that family's kind.
  std::optional<int> platformFamily() override;
  // The radix character of the user's numeric locale (LC_ALL, else LC_NUMERIC, else LANG), read
  // without touching the process's global locale. "." when the locale is not installed.
  std::string decimalSeparator() override;
};

}  // namespace lumaro::platform::linuxos
