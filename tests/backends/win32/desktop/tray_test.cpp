#include "backends/win32/desktop/tray.h"

#include <gtest/gtest.h>

#include <vector>

#include "backends/win32/desktop/tray_icon_image.h"

namespace lumaro::platform::win32 {
namespace {

// The icon's colour bitmap, `size` × `size` pixels 0xAARRGGBB, read back.
std::vector<std::uint32_t> colourOf(HICON icon, int size) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  BITMAP shape{};
  GetObjectW(info.hbmColor, sizeof shape, &shape);
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof header.bmiHeader;
  header.bmiHeader.biWidth = size;
  header.bmiHeader.biHeight = -size;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, info.hbmColor, 0, size, pixels.data(), &header, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  if (shape.bmWidth != size || shape.bmHeight != size || rows != size) return {};
  return pixels;
}

TEST(TrayIconImageTest, AnIconKeepsThePicturesColoursAndAlphaPixelForPixel) {
  TrayImage image{16, 16, std::vector<std::uint32_t>(256, 0xFF00FF00)};
  image.argb[0] = 0x00000000;   // transparent corner
  image.argb[17] = 0xFFFF0000;  // one red pixel

  HICON icon = makeTrayIcon(image, 16);
  ASSERT_NE(icon, nullptr);
  const std::vector<std::uint32_t> pixels = colourOf(icon, 16);
  DestroyIcon(icon);
  ASSERT_EQ(pixels.size(), 256u);
  EXPECT_EQ(pixels[1], 0xFF00FF00u);
  EXPECT_EQ(pixels[17], 0xFFFF0000u);
  EXPECT_EQ(pixels[0] >> 24, 0u);
  EXPECT_EQ(makeTrayIcon(TrayImage{16, 16, {}}, 16), nullptr);
  EXPECT_EQ(makeTrayIcon(TrayImage{}, 16), nullptr);
  EXPECT_EQ(makeTrayIcon(image, 0), nullptr);
}

TEST(TrayIconImageTest, ATrayAskingForALargerIconGetsThatSizeWithEveryPixelRepeatedNotSmoothed) {
  TrayImage image{16, 16, std::vector<std::uint32_t>(256, 0xFF000000)};
  image.argb[17] = 0xFFFFFFFF;  // one white pixel at (1, 1)
  HICON icon = makeTrayIcon(image, 32);
  ASSERT_NE(icon, nullptr);
  const std::vector<std::uint32_t> pixels = colourOf(icon, 32);
  DestroyIcon(icon);
  ASSERT_EQ(pixels.size(), 32u * 32u);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool white = x / 2 == 1 && y / 2 == 1;
      ASSERT_EQ(pixels[static_cast<std::size_t>(y) * 32 + x], white ? 0xFFFFFFFFu : 0xFF000000u)
          << x << "," << y;
    }
  }
  // The size Windows asks for at this screen's density, as the program's tray uses it.
  ShellTray tray;
  const int asked = trayIconSize(tray.window());
  EXPECT_EQ(asked, GetSystemMetricsForDpi(SM_CXSMICON, GetDpiForWindow(tray.window())));
  EXPECT_GE(asked, 16);
}

TEST(ShellTrayTest, CallbackMessagesBecomeMouseReportsOfTheirIcon) {
  ShellTray tray;
  std::vector<std::pair<Tray::IconId, TrayMouse>> reports;
  tray.setMouseHandler([&](Tray::IconId id, TrayMouse mouse) { reports.emplace_back(id, mouse); });
  const TrayImage picture{16, 16, std::vector<std::uint32_t>(256, 0xFF808080)};
  // With a tray host on the display the shell takes it; either way the icon is ours to report for.
  tray.add(70, picture, "Lumaro");
  tray.add(90, picture, std::string(300, 'x'));
  EXPECT_TRUE(tray.modify(70, picture, "1024 MB"));
  EXPECT_FALSE(tray.modify(5, picture, ""));

  // The shell identifies icons by the identifiers handed out in order: 1 for 70, 2 for 90.
  for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    SendMessageW(tray.window(), ShellTray::kCallbackMessage, 1, mouse);
  // A quick second right or middle press comes as a double click: it is a press all the same.
  for (UINT mouse : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK})
    SendMessageW(tray.window(), ShellTray::kCallbackMessage, 2, mouse);
  SendMessageW(tray.window(), ShellTray::kCallbackMessage, 2, WM_CONTEXTMENU);  // not a classic report
  SendMessageW(tray.window(), ShellTray::kCallbackMessage, 9, WM_LBUTTONDOWN);  // no such icon
  tray.remove(90);
  SendMessageW(tray.window(), ShellTray::kCallbackMessage, 2, WM_RBUTTONUP);

  EXPECT_EQ(reports, (std::vector<std::pair<Tray::IconId, TrayMouse>>{{70, TrayMouse::LeftDown},
                                                                      {70, TrayMouse::LeftUp},
                                                                      {70, TrayMouse::LeftDoubleClick},
                                                                      {70, TrayMouse::LeftUp},
                                                                      {90, TrayMouse::RightDown},
                                                                      {90, TrayMouse::RightUp},
                                                                      {90, TrayMouse::RightDown},
                                                                      {90, TrayMouse::MiddleDown}}));
}

TEST(ShellTrayTest, TheTaskbarCreatedBroadcastReportsARestartedHost) {
  ShellTray tray;
  int restarts = 0;
  tray.setHostRestartedHandler([&] { ++restarts; });

  SendMessageW(tray.window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);

  EXPECT_EQ(restarts, 1);
}

TEST(ShellTrayTest, TheHiddenWindowOutlivesRequestsToCloseOrDestroyIt) {
  ShellTray tray;
  int restarts = 0;
  tray.setHostRestartedHandler([&] { ++restarts; });
  for (const UINT message : {WM_CLOSE, WM_DESTROY, WM_NCDESTROY, WM_QUERYENDSESSION, WM_ENDSESSION}) {
    EXPECT_EQ(SendMessageW(tray.window(), message, 0, 0), 1) << message;
    EXPECT_TRUE(IsWindow(tray.window())) << message;
  }
  // And it still serves the tray.
  SendMessageW(tray.window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(restarts, 1);
}

TEST(ShellTrayTest, PointerAndButtonFactsComeFromTheSystem) {
  ShellTray tray;
  EXPECT_TRUE(tray.cursorPosition().has_value());
  EXPECT_EQ(tray.doubleClickTimeMs(), GetDoubleClickTime());
  EXPECT_GT(tray.doubleClickTimeMs(), 0u);
  const ShiftState state = tray.shiftState();
  EXPECT_FALSE(state.shift || state.alt || state.ctrl);
}

}  // namespace
}  // namespace lumaro::platform::win32
