#pragma once
#include "platform/desktop.h"

namespace lumaro::platform::fake {

class FakeDesktop : public Desktop {
 public:
  Area workArea() override { return area; }
  int colorDepth() override { return depth; }
  void beep() override { ++beeps; }
  void keepProgramWindowsOnTop() override { ++onTopRequests; }

  Area area{0, 0, 1024, 768};
  int depth = 32;
  int beeps = 0;
  int onTopRequests = 0;
};

}  // namespace lumaro::platform::fake
