#include "backends/win32/views/view_fixture.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::win32::test {
namespace {

using toolkit::Component;

class FormViewTest : public ViewTest {};

RECT insideOnScreen(HWND window) {
  RECT inside{};
  GetClientRect(window, &inside);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&inside), 2);
  return inside;
}

TEST_F(FormViewTest, TabMovesTheFocusInTheControlsOrder) {
  auto& first = add<toolkit::Button>("btnFirst");
  auto& second = add<toolkit::ComboBox>("cbSecond");
  first.setBounds({0, 0, 80, 25});
  second.setBounds({0, 30, 80, 25});
  showForm();

  SetFocus(window("btnFirst"));
  PostMessageW(window("btnFirst"), WM_KEYDOWN, VK_TAB, 0);
  pump();

  EXPECT_EQ(form_.activeControl(), &second);
}

TEST_F(FormViewTest, TheUsersMovingReachesTheModel) {
  showForm();

  // The window manager places the frame; the form's bounds are its inside.
  SetWindowPos(view_->window(), nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  const RECT inside = insideOnScreen(view_->window());
  EXPECT_EQ(form_.bounds(), (toolkit::Bounds{inside.left, inside.top, 300, 200}));
  EXPECT_GE(form_.bounds().left, 70);
}

// A closed form only hides: its window stays for the next show.
TEST_F(FormViewTest, AClosedWindowIsHiddenAndKept) {
  showForm();
  HWND window = view_->window();

  SendMessageW(window, WM_CLOSE, 0, 0);

  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(IsWindow(window));
}

}  // namespace
}  // namespace lumaro::platform::win32::test
