#include <windows.h>

#include <commctrl.h>

#include "backends/win32/views/view_fixture.h"
#include "toolkit/controls/page_control.h"

namespace lumaro::platform::win32::test {
namespace {

class ContainerViewsTest : public ViewTest {};

TEST_F(ContainerViewsTest, FlatButtonTabsAreTheTabControlsFlatButtons) {
  auto& pages = add<toolkit::PageControl>("pcMain");
  pages.setBounds({0, 0, 280, 180});
  add<toolkit::TabSheet>("tsGeneral", &pages).setCaption("RAM");
  showForm();

  pages.setTabStyle(toolkit::TabStyle::FlatButtons);

  EXPECT_TRUE(hasStyle(window("pcMain"), TCS_BUTTONS | TCS_FLATBUTTONS));
}

TEST_F(ContainerViewsTest, PagesStartBelowTheTabRowsOfTheControlsCurrentWidth) {
  // Made narrow, every tab takes a row of its own; widened, they share one and the page moves up.
  auto& pages = add<toolkit::PageControl>("pcMain");
  pages.setMultiLine(true);
  pages.setTabStyle(toolkit::TabStyle::FlatButtons);
  pages.setBounds({0, 0, 40, 180});
  for (const char* name : {"tsRam", "tsSettings", "tsFine", "tsCache"}) {
    add<toolkit::TabSheet>(name, &pages).setCaption("Tab");
  }
  showForm();
  pages.setBounds({0, 0, 280, 180});
  HWND tabs = window("pcMain");
  EXPECT_EQ(SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0), 1);
  RECT display{};
  GetClientRect(tabs, &display);
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  RECT page{};
  GetWindowRect(window("tsRam"), &page);
  MapWindowPoints(HWND_DESKTOP, tabs, reinterpret_cast<POINT*>(&page), 2);
  EXPECT_EQ(page.top, display.top);
  EXPECT_LT(page.top, 40);
}

}  // namespace
}  // namespace lumaro::platform::win32::test
