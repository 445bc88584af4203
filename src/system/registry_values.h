#pragma once
#include <cstdint>
#include <string>

#include "platform/registry.h"
#include "toolkit/core/error.h"

namespace lumaro::system {

inline constexpr const char* kCpuIdleKey = "System\\CurrentControlSet\\control\\CPUIdle";
inline constexpr const char* kCpuIdleValue = "idle";

// The error of a registry value that could not be stored: "Failed to set data for '<name>'".
toolkit::Error failedToSetData(const std::string& name);

// Sets a 32-bit value below HKEY_LOCAL_MACHINE, creating its key when absent. Raises failedToSetData
// when the value cannot be stored, also when its key cannot be created.
void SetRegistryDword(platform::Registry& registry, const std::string& key, const std::string& name,
                      std::uint32_t value);

// The processor idle switch: "idle" is 1 when on and 0 when off, written either way, never deleted.
void writeCpuIdle(platform::Registry& registry, bool on);

}  // namespace lumaro::system
