#include "backends/win32/views/view_fixture.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::win32::test {
namespace {

using toolkit::Component;

class ButtonViewsTest : public ViewTest {};

bool checkedOnScreen(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST_F(ButtonViewsTest, CheckBoxShowsTheModelWithoutEchoingIt) {
  auto& box = add<toolkit::CheckBox>("chkAuto");
  int clicks = 0;
  box.OnClick = [&](Component&) { ++clicks; };
  box.setCaption("&Automática");
  showForm();
  HWND shown = window("chkAuto");
  EXPECT_EQ(shownText(shown), L"&Autom\u00e1tica");

  box.setChecked(true);

  EXPECT_TRUE(checkedOnScreen(shown));
  EXPECT_EQ(clicks, 1);  // the model's own OnClick, nothing from the view
}

TEST_F(ButtonViewsTest, CheckBoxClickTogglesTheModelOnceInsideTheGuard) {
  auto& box = add<toolkit::CheckBox>("chkAuto");
  box.setBounds({10, 10, 120, 20});
  int clicks = 0;
  box.OnClick = [&](Component&) {
    ++clicks;
    fail();
  };
  showForm();

  SendMessageW(window("chkAuto"), BM_CLICK, 0, 0);

  EXPECT_TRUE(box.checked());
  EXPECT_TRUE(checkedOnScreen(window("chkAuto")));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_F(ButtonViewsTest, RadioButtonsAreGroupedByTheModel) {
  auto& first = add<toolkit::RadioButton>("rbFirst");
  auto& second = add<toolkit::RadioButton>("rbSecond");
  first.setBounds({10, 10, 100, 20});
  second.setBounds({10, 40, 100, 20});
  int secondClicks = 0;
  second.OnClick = [&](Component&) { ++secondClicks; };
  first.setChecked(true);
  showForm();

  SendMessageW(window("rbSecond"), BM_CLICK, 0, 0);

  EXPECT_TRUE(second.checked());
  EXPECT_FALSE(first.checked());
  EXPECT_TRUE(checkedOnScreen(window("rbSecond")));
  EXPECT_FALSE(checkedOnScreen(window("rbFirst")));
  EXPECT_EQ(secondClicks, 1);

  // Clicking the checked button leaves it checked and runs nothing.
  SendMessageW(window("rbSecond"), BM_CLICK, 0, 0);
  EXPECT_TRUE(checkedOnScreen(window("rbSecond")));
  EXPECT_EQ(secondClicks, 1);
}

TEST_F(ButtonViewsTest, AButtonRunsOnClickFromTheMouseAndFromItsAccessKey) {
  auto& button = add<toolkit::Button>("btnGo");
  button.setBounds({10, 10, 75, 25});
  button.setCaption("&Otimizar");
  add<toolkit::Button>("btnOther").setBounds({10, 40, 75, 25});
  int clicks = 0;
  button.OnClick = [&](Component&) {
    ++clicks;
    fail();
  };
  showForm();

  SendMessageW(window("btnGo"), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
  EXPECT_FALSE(IsWindowEnabled(window("btnGo")) == FALSE);

  // Alt+O, typed while the other button has the focus.
  SetFocus(window("btnOther"));
  PostMessageW(window("btnOther"), WM_SYSCHAR, 'o', 1 << 29);
  pump();
  EXPECT_EQ(clicks, 2);

  button.setEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(window("btnGo")));
}

}  // namespace
}  // namespace lumaro::platform::win32::test
