#pragma once
#include "platform/desktop.h"

namespace lumaro::platform::fake {

class FakeDesktop : public Desktop {
 public:
  int colorDepth() override { return depth; }
  void beep() override { ++beeps; }
  void keepProgramWindowsOnTop() override { ++onTopRequests; }

  int depth = 32;
  int beeps = 0;
  int onTopRequests = 0;
};

}  // namespace lumaro::platform::fake
