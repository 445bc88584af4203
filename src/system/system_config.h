#pragma once
#include <string>

#include "platform/file_store.h"
#include "platform/registry.h"

namespace lumaro::system {

inline constexpr const char* kSystemIniName = "system.ini";
inline constexpr const char* kMemoryManagementKey =
    "System\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

// The tuning pages' values as the system configuration takes them: slider positions and one box.
struct TuningValues {
  int minimumCache = 0;  // MB; 0 is not set
  int maximumCache = 0;  // MB; 0 is not set
  int cacheBlock = 1;    // units of 512 bytes; 1 is not set
  int pageBuffers = 1;   // units of 4 KB; 1 is not set
  int dmaBuffer = 0;     // KB; 0 is not set
  bool forceRam = false;
};

// Writes the values into "system.ini" in the Windows directory, then, outside the 95/98/Me family,
// into the registry. Each key is written when its value is set and applies to the family, and deleted
// otherwise (deleting an absent key is silent); the disk-cache keys and the swap-file key apply to the
// 95/98/Me family only. The rows go in a fixed order and a failure stops at its row, with the rows
// before it done: "Unable to write to <path of system.ini>", or the registry's failedToSetData.
void WriteSystemConfig(platform::FileStore& store, platform::Registry& registry,
                       const std::string& windowsDirectory, int platformFamily, const TuningValues& values);

}  // namespace lumaro::system
