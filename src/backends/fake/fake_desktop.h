#pragma once
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace lumaro::platform::fake {

class FakeDesktop : public Desktop {
 public:
  Area workArea() override { return area; }
  int colorDepth() override { return depth; }
  void beep() override { ++beeps; }
  void keepProgramWindowsOnTop() override {
    ++onTopRequests;
    programOnTop = true;
  }
  void releaseProgramWindowsFromTop() override { programOnTop = false; }
  bool openDocument(const std::string& path) override {
    documentsOpened.push_back(path);
    return viewerAvailable;
  }

  Area area{0, 0, 1024, 768};
  int depth = 32;
  int beeps = 0;
  int onTopRequests = 0;
  bool programOnTop = false;
  std::vector<std::string> documentsOpened;
  bool viewerAvailable = true;
};

}  // namespace lumaro::platform::fake
