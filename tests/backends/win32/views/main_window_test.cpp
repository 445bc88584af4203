// The program's own windows over the fake services, shown through the native views.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "app/program/program.h"
#include "backends/fake/fake_services.h"
#include "backends/win32/views/view_fixture.h"

namespace lumaro::platform::win32::test {
namespace {

constexpr std::uint64_t kMiB = 1024 * 1024;
constexpr const char* kIdle = "System\\CurrentControlSet\\control\\CPUIdle\\idle";

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// The window's pixels as they are on screen, written as a 24-bit BMP file.
void saveScreenshot(HWND window, const char* path) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pump();
  RECT frame{};
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{0x4D42,
                        static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + imageBytes),
                        0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), imageBytes);
  SelectObject(memory, previous);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    fakes.memory.setStatus({.memoryLoad = 40,
                            .totalPhysical = 512 * kMiB,
                            .availablePhysical = 300 * kMiB,
                            .totalPageFile = 1024 * kMiB,
                            .availablePageFile = 600 * kMiB});
    fakes.processor.queue({0}, 0);
    program.application().setViewFactory([this](toolkit::Form& form) {
      auto view = std::make_shared<FormView>(form, program.application());
      if (&form == &program.mainWindow()) mainView = view.get();
      if (form.className() == "TfrmProgress") progressView = view.get();
      return view;
    });
    EXPECT_EQ(program.start(), std::nullopt);
  }

  HWND shown(const toolkit::Control* control) const { return mainView->windowOf(control->name()); }

  fake::FakeServices fakes;
  platform::Services services = fakes.services();
  app::Program program{services};
  FormView* mainView = nullptr;
  FormView* progressView = nullptr;
};

// The screen's pixels (0x00RRGGBB) in the rectangle, row by row.
std::vector<std::uint32_t> screenPixels(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + static_cast<std::ptrdiff_t>(width) * height);
  SelectObject(memory, previous);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  for (auto& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

TEST_F(MainWindowTest, TheMainWindowShowsItsControlsNatively) {
  app::TfrmPrincipal& w = program.mainWindow();
  w.show();
  ASSERT_NE(mainView, nullptr);
  HWND window = mainView->window();
  ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(window) != FALSE; }));

  EXPECT_EQ(classOf(window), L"TfrmPrincipal");
  EXPECT_TRUE(hasStyle(window, WS_POPUP));
  EXPECT_FALSE(hasStyle(window, WS_CAPTION));
  RECT inside{};
  GetClientRect(window, &inside);
  EXPECT_EQ(inside.right, 405);
  EXPECT_EQ(inside.bottom, 405);

  HWND tabs = shown(w.PageControl1);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(shownText(shown(w.chkboxCPUidle)), L"Otimiza uso da CPU   (reduz o aquecimento da CPU)");
  EXPECT_EQ(shownText(shown(w.chkboxForceRam)),
            L"For\u00e7a a utiliza\u00e7\u00e3o da mem\u00f3ria RAM nos programas");
  HWND target = shown(w.TrkBarLiberar);
  EXPECT_EQ(SendMessageW(target, TBM_GETRANGEMAX, 0, 0), 409);
  EXPECT_EQ(SendMessageW(target, TBM_GETPOS, 0, 0), w.TrkBarLiberar->position());
  EXPECT_TRUE(hasStyle(target, TBS_VERT | TBS_NOTICKS));
  EXPECT_EQ(SendMessageW(shown(w.cbHotKey), CB_GETCOUNT, 0, 0), 96);
  EXPECT_EQ(shownText(shown(w.cbHotKey)), L"Ctrl+Alt+M");

  // Every page is drawn for the picture: the RAM page last, as the window opens.
  for (int page = 3; page >= 0; --page) {
    SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    NMHDR change{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), TCN_SELCHANGE};
    SendMessageW(GetParent(tabs), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
    UpdateWindow(window);
    pump();
    if (page == 1) saveScreenshot(window, "main-window-settings.bmp");
  }
  EXPECT_EQ(w.PageControl1->activePage(), w.tabRam);
  saveScreenshot(window, "main-window.bmp");
}

TEST_F(MainWindowTest, TheProgressWindowsTextsShowTheMetersBehindThemAndKeepTheirEmbossedOutline) {
  app::TfrmProgress& progress = program.progressWindow();
  progress.ProgressBarFreeRam->setMax(100);
  progress.ProgressBarFreeRam->setPosition(100);
  progress.show();
  ASSERT_NE(progressView, nullptr);
  HWND window = progressView->window();
  ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(window) != FALSE; }));
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pump();
  saveScreenshot(window, "progress-window.bmp");
  POINT origin{0, 0};
  ClientToScreen(window, &origin);

  // Where the read-out lies over the lit meter (rows 33 to 80 of both): meter and glyphs, no box.
  const std::vector<std::uint32_t> overMeter =
      screenPixels({origin.x + 252, origin.y + 34, origin.x + 470, origin.y + 80});
  EXPECT_EQ(std::count(overMeter.begin(), overMeter.end(), 0xFFFFFFu), 0);
  EXPECT_GT(std::count(overMeter.begin(), overMeter.end(), 0x00FF00u), 0) << "the lime figures";
  EXPECT_GT(std::count(overMeter.begin(), overMeter.end(), 0xFFFF00u), 0) << "the yellow meter between them";

  // The heading "Desfragmentando": the blue letters with silver copies around them.
  const std::vector<std::uint32_t> heading =
      screenPixels({origin.x + 150, origin.y + 95, origin.x + 160 + 15 * 24, origin.y + 136});
  const auto blue = std::count(heading.begin(), heading.end(), 0x0000FFu);
  const auto silver = std::count(heading.begin(), heading.end(), 0xC0C0C0u);
  EXPECT_GT(blue, 100);
  EXPECT_GT(silver, blue / 4) << "the outline shows around the blue letters";
  progress.hide();
}

TEST_F(MainWindowTest, TheUsersClicksReachTheProgramOnce) {
  app::TfrmPrincipal& w = program.mainWindow();
  w.show();
  ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(mainView->window()) != FALSE; }));
  const std::size_t writes = fakes.registry.writes.size();

  SendMessageW(shown(w.chkboxCPUidle), BM_CLICK, 0, 0);
  EXPECT_TRUE(w.chkboxCPUidle->checked());
  EXPECT_EQ(fakes.registry.writes.size(), writes + 1);
  EXPECT_EQ(fakes.registry.values[kIdle], 1u);

  // The slider shows the start-up position, moved by the model, without echoing it back.
  w.TrkBarLiberar->setPosition(100);
  EXPECT_EQ(SendMessageW(shown(w.TrkBarLiberar), TBM_GETPOS, 0, 0), 100);
  EXPECT_EQ(w.txtMemoriaAlvo->caption(), "309");

  // The glyph at the right of the title hides the window to the tray; it shows again on the RAM page.
  w.PageControl1->setActivePage(w.tabCache);
  HWND glyph = shown(w.Image2);
  SendMessageW(glyph, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
  SendMessageW(glyph, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
  EXPECT_FALSE(w.visible());
  EXPECT_FALSE(IsWindowVisible(mainView->window()));
  w.show();
  EXPECT_EQ(SendMessageW(shown(w.PageControl1), TCM_GETCURSEL, 0, 0), 0);
}

}  // namespace
}  // namespace lumaro::platform::win32::test
