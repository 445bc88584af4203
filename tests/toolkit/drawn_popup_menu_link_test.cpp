#include "toolkit/menus/drawn_popup_menu_link.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "toolkit/core/error.h"

namespace lumaro::toolkit {
namespace {

using ::testing::ElementsAre;

// Two items; choosing the second fails.
class TwoItems : public DrawnMenu {
 public:
  std::vector<int> clicked;

  int itemCount() const override { return 2; }
  Size measureItem(Canvas&, int, Size standard) override { return standard; }
  void drawItem(Canvas&, int, const Rect&, bool) override {}
  void clickItem(int index) override {
    clicked.push_back(index);
    if (index == 1) throw Error("Unable to optimize");
  }
};

TEST(DrawnPopupMenuLink, RequestsOpenTheDrawingAndChoicesReachItGuardedUntilTheLinkGoes) {
  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox box;
  Application app(loop, box);
  PopupMenu menu(nullptr);
  TwoItems drawing;
  std::vector<std::pair<int, int>> opened;
  {
    DrawnPopupMenuLink link(menu, drawing, app, [&](int x, int y) { opened.emplace_back(x, y); });
    EXPECT_EQ(&link.drawing(), &drawing);
    menu.popup(40, 700);
    menu.popup(-3, 5);
    EXPECT_THAT(opened, ElementsAre(std::make_pair(40, 700), std::make_pair(-3, 5)));

    link.choose(0);
    link.choose(1);  // its error is the application's to report, not the popup's
    EXPECT_THAT(drawing.clicked, ElementsAre(0, 1));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].second, "Unable to optimize");
  }
  menu.popup(1, 1);  // a request after the view went opens nothing
  EXPECT_EQ(opened.size(), 2u);
}

}  // namespace
}  // namespace lumaro::toolkit
