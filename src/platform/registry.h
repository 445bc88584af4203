#pragma once
#include <cstdint>
#include <string>

namespace lumaro::platform {

// The machine-wide configuration store: keys below HKEY_LOCAL_MACHINE holding named values.
class Registry {
 public:
  virtual ~Registry() = default;

  // Opens `key` (a path below HKEY_LOCAL_MACHINE, parts separated by '\'), creating it when absent,
  // sets the 32-bit value `name` in it and closes it again. Key and value names compare without regard
  // to case. False when the key cannot be created or the value cannot be stored; nothing changes then.
  virtual bool setDword(const std::string& key, const std::string& name, std::uint32_t value) = 0;
};

}  // namespace lumaro::platform
