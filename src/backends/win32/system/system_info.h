#pragma once
#include <optional>
#include <string>

#include "platform/system_info.h"

namespace lumaro::platform::win32 {

class Win32SystemInfo : public SystemInfo {
 public:
  // The version query's platform identifier (2 on every system that still runs).
  std::optional<int> platformFamily() override;
  // The user's LOCALE_SDECIMAL; "." when it cannot be read.
  std::string decimalSeparator() override;
};

}  // namespace lumaro::platform::win32
