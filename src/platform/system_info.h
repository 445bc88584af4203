#pragma once
#include <optional>
#include <string>

namespace lumaro::platform {

// Platform families of the version query.
inline constexpr int kFamily9x = 1;  // the 95/98/Me family
inline constexpr int kFamilyNt = 2;  // the NT family (and Linux)

// Facts about the running system and the user's environment.
class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // The platform family, or nothing when the version query fails.
  virtual std::optional<int> platformFamily() = 0;

  // The user's decimal separator for numbers ("," in a Brazilian locale). "." when unknown.
  virtual std::string decimalSeparator() = 0;
};

}  // namespace lumaro::platform
