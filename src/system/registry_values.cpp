#include "system/registry_values.h"

namespace lumaro::system {

toolkit::Error failedToSetData(const std::string& name) {
  return toolkit::Error("Failed to set data for '" + name + "'");
}

void SetRegistryDword(platform::Registry& registry, const std::string& key, const std::string& name,
                      std::uint32_t value) {
  if (!registry.setDword(key, name, value)) throw failedToSetData(name);
}

void writeCpuIdle(platform::Registry& registry, bool on) {
  SetRegistryDword(registry, kCpuIdleKey, kCpuIdleValue, on ? 1 : 0);
}

}  // namespace lumaro::system
