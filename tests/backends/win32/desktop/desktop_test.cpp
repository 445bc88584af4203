#include "backends/win32/desktop/desktop.h"

#include <gtest/gtest.h>

#include "backends/win32/desktop/own_window.h"

namespace lumaro::platform::win32 {
namespace {

bool onTop(HWND window) {
  return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST(Win32DesktopTest, TheScreenIsDescribed) {
  Win32Desktop desktop;
  const Area area = desktop.workArea();
  EXPECT_GT(area.width, 0);
  EXPECT_GT(area.height, 0);
  EXPECT_LE(area.width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_GE(desktop.colorDepth(), 8);
  desktop.beep();
}

TEST(Win32DesktopTest, ProgramWindowsGoOnTopAndBackButOneOnTopByItselfStays) {
  Win32Desktop desktop;
  OwnWindow plain({.className = L"LumaroTestWindow", .parent = nullptr, .style = WS_POPUP}, nullptr);
  OwnWindow progress(
      {.className = L"LumaroTestWindow", .parent = nullptr, .style = WS_POPUP, .exStyle = WS_EX_TOPMOST},
      nullptr);
  ASSERT_FALSE(onTop(plain.handle()));
  ASSERT_TRUE(onTop(progress.handle()));

  desktop.keepProgramWindowsOnTop();
  desktop.keepProgramWindowsOnTop();
  EXPECT_TRUE(onTop(plain.handle()));

  desktop.releaseProgramWindowsFromTop();
  EXPECT_FALSE(onTop(plain.handle()));
  EXPECT_TRUE(onTop(progress.handle()));
}

}  // namespace
}  // namespace lumaro::platform::win32
