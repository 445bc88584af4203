#include "backends/win32/views/view_fixture.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::win32::test {
namespace {

using toolkit::Component;

class ButtonViewsTest : public ViewTest {};

TEST_F(ButtonViewsTest, AButtonRunsOnClickFromItsAccessKey) {
  auto& button = add<toolkit::Button>("btnGo");
  button.setBounds({10, 10, 75, 25});
  button.setCaption("&Otimizar");
  add<toolkit::Button>("btnOther").setBounds({10, 40, 75, 25});
  int clicks = 0;
  button.OnClick = [&](Component&) { ++clicks; };
  showForm();

  // Alt+O, typed while the other button has the focus.
  SetFocus(window("btnOther"));
  PostMessageW(window("btnOther"), WM_SYSCHAR, 'o', 1 << 29);
  pump();

  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace lumaro::platform::win32::test
