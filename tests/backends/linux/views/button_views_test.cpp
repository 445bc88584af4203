#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::linuxos::test {
namespace {

using toolkit::Component;

class ButtonViewsTest : public ViewTest {};

TEST_F(ButtonViewsTest, CheckBoxShowsTheModelWithoutEchoingIt) {
  auto& box = add<toolkit::CheckBox>("chkAuto");
  int clicks = 0;
  box.OnClick = [&](Component&) { ++clicks; };
  box.setCaption("&Automatic");
  showForm();
  auto& widget = this->widget<QCheckBox>("chkAuto");
  EXPECT_EQ(widget.text(), "&Automatic");

  box.setChecked(true);

  EXPECT_TRUE(widget.isChecked());
  EXPECT_EQ(clicks, 1);  // the model's own OnClick, nothing from the view
}

TEST_F(ButtonViewsTest, CheckBoxClickTogglesTheModelInsideTheGuard) {
  auto& box = add<toolkit::CheckBox>("chkAuto");
  box.OnClick = fail;
  showForm();
  auto& widget = this->widget<QCheckBox>("chkAuto");

  QTest::mouseClick(&widget, Qt::LeftButton);

  EXPECT_TRUE(box.checked());
  EXPECT_TRUE(widget.isChecked());
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_F(ButtonViewsTest, RadioButtonsAreGroupedByTheModel) {
  auto& first = add<toolkit::RadioButton>("rbFirst");
  auto& second = add<toolkit::RadioButton>("rbSecond");
  int secondClicks = 0;
  second.OnClick = [&](Component&) { ++secondClicks; };
  first.setChecked(true);
  showForm();
  auto& firstWidget = widget<QRadioButton>("rbFirst");
  auto& secondWidget = widget<QRadioButton>("rbSecond");

  QTest::mouseClick(&secondWidget, Qt::LeftButton);

  EXPECT_TRUE(second.checked());
  EXPECT_FALSE(first.checked());
  EXPECT_TRUE(secondWidget.isChecked());
  EXPECT_FALSE(firstWidget.isChecked());
  EXPECT_EQ(secondClicks, 1);

  // Clicking the checked button leaves it checked, as the model says, though Qt would uncheck it.
  QTest::mouseClick(&secondWidget, Qt::LeftButton);
  EXPECT_TRUE(secondWidget.isChecked());
  EXPECT_EQ(secondClicks, 1);
}

TEST_F(ButtonViewsTest, ButtonClickRunsOnClickInsideTheGuard) {
  auto& button = add<toolkit::Button>("btnGo");
  button.setBounds({10, 10, 75, 25});
  int clicks = 0;
  button.OnClick = [&](Component&) {
    ++clicks;
    fail();
  };
  showForm();

  QTest::mouseClick(&widget<QPushButton>("btnGo"), Qt::LeftButton);

  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
