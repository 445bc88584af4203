#pragma once
#include "platform/system_resources.h"

namespace lumaro::alert {

// The probe of the 95/98/Me family's free system resources, set up for the life of the program. On
// any other family, and when set-up fails, every query answers -1, which is never low.
class ResourceMeter {
 public:
  static constexpr int kSystem = 0;
  static constexpr int kGdi = 1;
  static constexpr int kUser = 2;

  ResourceMeter(int platformFamily, platform::SystemResources& resources);
  ~ResourceMeter();
  ResourceMeter(const ResourceMeter&) = delete;
  ResourceMeter& operator=(const ResourceMeter&) = delete;

  // The free percentage of a kind, or -1 when unavailable.
  int query(int kind);
  // True when any kind is available and at or below the threshold. All three kinds are read.
  bool resourcesLow(int threshold);

 private:
  platform::SystemResources& resources_;
  bool nt_;
  bool open_ = false;
};

}  // namespace lumaro::alert
