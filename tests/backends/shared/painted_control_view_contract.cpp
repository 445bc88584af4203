#include "backends/shared/views_contract.h"
#include "toolkit/controls/painted_control.h"
#include "toolkit/controls/simple_controls.h"
#include "toolkit/menus/drawn_menu.h"

namespace lumaro::platform::contract {
namespace {

using toolkit::MenuPicture;

// A control painted in its colour that records where the mouse went, with a menu of two items 40
// pixels wide that records the chosen one.
class Probe : public toolkit::PaintedControl, private toolkit::DrawnMenu {
 public:
  using PaintedControl::PaintedControl;

  std::vector<std::pair<int, int>> moves;
  std::vector<int> chosen;
  bool withMenu = true;

  void mouseMove(int x, int y) override { moves.emplace_back(x, y); }
  toolkit::DrawnMenu* contextMenu() override { return withMenu ? this : nullptr; }

 protected:
  void paint(toolkit::Canvas& canvas) override {
    canvas.brush.color = color();
    canvas.fillRect(clientRect());
  }

 private:
  int itemCount() const override { return 2; }
  toolkit::Size measureItem(toolkit::Canvas&, int, toolkit::Size standard) override {
    return {40, standard.height};
  }
  void drawItem(toolkit::Canvas& canvas, int, const toolkit::Rect& rect, bool) override {
    canvas.fillRect(rect);
  }
  void clickItem(int index) override { chosen.push_back(index); }
};

// The picture reaches the screen, also behind a label on the control, and follows the model.
TEST_P(ViewsContract, APaintedControlShowsItsPictureAlsoBehindItsLabels) {
  auto& probe = add<Probe>("probe", nullptr, subject().text());
  probe.setBounds({10, 10, 100, 60});
  probe.setColor(toolkit::clRed);
  auto& label = add<toolkit::Label>("lblOnProbe", &probe);
  label.setBounds({5, 5, 80, 20});
  label.setCaption("x");
  showForm();
  EXPECT_EQ(shown("probe").bounds, (toolkit::Bounds{10, 10, 100, 60}));

  EXPECT_TRUE(subject().showsColour("probe", {50, 40}, toolkit::clRed));
  EXPECT_TRUE(subject().showsColour("lblOnProbe", {70, 15}, toolkit::clRed));
  probe.setColor(toolkit::clNavy);
  EXPECT_TRUE(subject().showsColour("probe", {50, 40}, toolkit::clNavy));
  EXPECT_TRUE(subject().showsColour("lblOnProbe", {70, 15}, toolkit::clNavy));
}

TEST_P(ViewsContract, MouseMovesOverAPaintedControlReachTheModel) {
  auto& probe = add<Probe>("probe", nullptr, subject().text());
  probe.setBounds({10, 10, 100, 60});
  showForm();

  subject().moveMouse("probe", {5, 6});

  EXPECT_EQ(probe.moves, (std::vector<std::pair<int, int>>{{5, 6}}));
}

// The release of the right button opens the control's menu at the mouse, and a choice there reaches
// the control; a control without a menu, or a disabled one, opens none.
TEST_P(ViewsContract, ARightClickOpensAPaintedControlsOwnMenu) {
  auto& probe = add<Probe>("probe", nullptr, subject().text());
  probe.setBounds({10, 10, 100, 60});
  showForm();

  subject().mouseClick("probe", toolkit::MouseButton::Right, {5, 6});
  const std::optional<toolkit::Bounds> menu = subject().menu();
  ASSERT_TRUE(menu.has_value());
  const toolkit::Point mouse = subject().onScreen("probe", {5, 6});
  EXPECT_EQ(*menu,
            (toolkit::Bounds{mouse.x, mouse.y, 2 * MenuPicture::kFrame + 40 + MenuPicture::kCheckMarkRoom,
                             2 * MenuPicture::kFrame + 2 * MenuPicture::kStandardItemHeight}));

  subject().chooseInMenu({20, MenuPicture::kFrame + MenuPicture::kStandardItemHeight + 5});
  EXPECT_EQ(probe.chosen, std::vector<int>{1});
  EXPECT_FALSE(subject().menu().has_value());

  probe.withMenu = false;
  subject().mouseClick("probe", toolkit::MouseButton::Right, {5, 6});
  EXPECT_FALSE(subject().menu().has_value());

  probe.withMenu = true;
  probe.setEnabled(false);
  subject().mouseClick("probe", toolkit::MouseButton::Right, {5, 6});
  EXPECT_FALSE(subject().menu().has_value());
}

}  // namespace
}  // namespace lumaro::platform::contract
