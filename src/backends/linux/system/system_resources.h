#pragma once
#include "platform/system_resources.h"

namespace lumaro::platform::linuxos {

// Linux has no 16-bit system resources: the probe never opens.
class UnsupportedSystemResources : public SystemResources {
 public:
  bool open() override { return false; }
  int freePercent(int) override { return -1; }
  void close() override {}
};

}  // namespace lumaro::platform::linuxos
