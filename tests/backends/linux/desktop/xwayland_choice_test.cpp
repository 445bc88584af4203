#include "backends/linux/desktop/xwayland_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumaro::platform::linuxos {
namespace {

TEST(XWaylandChoice, OnlyAWaylandSessionWithAnXDisplayAndNoChosenPlatformRunsThroughXWayland) {
  char program[] = "lumaro";
  std::vector<char*> plain{program};
  EXPECT_TRUE(runThroughXWayland("wayland-0", ":0", nullptr, plain));
  EXPECT_TRUE(runThroughXWayland("wayland-0", ":0", "", plain));
  EXPECT_FALSE(runThroughXWayland(nullptr, ":0", nullptr, plain));         // an X session
  EXPECT_FALSE(runThroughXWayland("wayland-0", nullptr, nullptr, plain));  // no XWayland
  EXPECT_FALSE(runThroughXWayland("wayland-0", "", nullptr, plain));
  EXPECT_FALSE(runThroughXWayland("wayland-0", ":0", "wayland", plain));

  char flag[] = "-platform", name[] = "wayland", joined[] = "--platform=offscreen";
  std::vector<char*> chosen{program, flag, name};
  EXPECT_FALSE(runThroughXWayland("wayland-0", ":0", nullptr, chosen));
  std::vector<char*> chosenJoined{program, joined};
  EXPECT_FALSE(runThroughXWayland("wayland-0", ":0", nullptr, chosenJoined));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
