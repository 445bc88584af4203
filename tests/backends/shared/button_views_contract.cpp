#include "backends/shared/views_contract.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::contract {
namespace {

using toolkit::Component;

TEST_P(ViewsContract, CheckBoxShowsTheModelWithoutEchoingIt) {
  auto& box = add<toolkit::CheckBox>("chkAuto");
  int clicks = 0;
  box.OnClick = [&](Component&) { ++clicks; };
  box.setCaption("&Automática");
  showForm();
  EXPECT_EQ(shown("chkAuto").text, "&Automática");

  box.setChecked(true);

  EXPECT_TRUE(shown("chkAuto").checked);
  EXPECT_EQ(clicks, 1);  // the model's own OnClick, nothing from the view
}

TEST_P(ViewsContract, CheckBoxClickTogglesTheModelOnceInsideTheGuard) {
  auto& box = add<toolkit::CheckBox>("chkAuto");
  box.setBounds({10, 10, 120, 20});
  int clicks = 0;
  box.OnClick = [&](Component&) {
    ++clicks;
    fail();
  };
  showForm();

  subject().click("chkAuto");

  EXPECT_TRUE(box.checked());
  EXPECT_TRUE(shown("chkAuto").checked);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_P(ViewsContract, RadioButtonsAreGroupedByTheModel) {
  auto& first = add<toolkit::RadioButton>("rbFirst");
  auto& second = add<toolkit::RadioButton>("rbSecond");
  first.setBounds({10, 10, 100, 20});
  second.setBounds({10, 40, 100, 20});
  int secondClicks = 0;
  second.OnClick = [&](Component&) { ++secondClicks; };
  first.setChecked(true);
  showForm();

  subject().click("rbSecond");

  EXPECT_TRUE(second.checked());
  EXPECT_FALSE(first.checked());
  EXPECT_TRUE(shown("rbSecond").checked);
  EXPECT_FALSE(shown("rbFirst").checked);
  EXPECT_EQ(secondClicks, 1);

  // Clicking the checked button leaves it checked, as the model says, and runs nothing.
  subject().click("rbSecond");
  EXPECT_TRUE(shown("rbSecond").checked);
  EXPECT_EQ(secondClicks, 1);
}

TEST_P(ViewsContract, ButtonClickRunsOnClickInsideTheGuard) {
  auto& button = add<toolkit::Button>("btnGo");
  button.setBounds({10, 10, 75, 25});
  int clicks = 0;
  button.OnClick = [&](Component&) {
    ++clicks;
    fail();
  };
  showForm();

  subject().click("btnGo");

  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

}  // namespace
}  // namespace lumaro::platform::contract
