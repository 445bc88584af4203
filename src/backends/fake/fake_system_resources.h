#pragma once
#include <array>
#include <string>
#include <vector>

#include "platform/system_resources.h"

namespace lumaro::platform::fake {

// Scripted free percentages per kind; every call is recorded.
class FakeSystemResources : public SystemResources {
 public:
  bool open() override {
    calls.push_back("open");
    return opens;
  }
  int freePercent(int kind) override {
    calls.push_back("query " + std::to_string(kind));
    return free[kind];
  }
  void close() override { calls.push_back("close"); }

  bool opens = true;
  std::array<int, 3> free = {100, 100, 100};
  std::vector<std::string> calls;
};

}  // namespace lumaro::platform::fake
