#include "alert/resource_meter.h"

#include "platform/system_info.h"

namespace lumaro::alert {

ResourceMeter::ResourceMeter(int platformFamily, platform::SystemResources& resources)
    : resources_(resources), nt_(platformFamily == platform::kFamilyNt) {
  if (!nt_) open_ = resources_.open();
}

ResourceMeter::~ResourceMeter() {
  if (open_) resources_.close();
}

int ResourceMeter::query(int kind) {
  if (nt_ || !open_) return -1;
  return resources_.freePercent(kind);
}

bool ResourceMeter::resourcesLow(int threshold) {
  if (nt_) return false;
  bool low = false;
  for (int kind : {kSystem, kGdi, kUser}) {
    const int free = query(kind);
    if (free >= 0 && free <= threshold) low = true;
  }
  return low;
}

}  // namespace lumaro::alert
