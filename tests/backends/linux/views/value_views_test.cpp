#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QProxyStyle>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>

#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/spin_edit.h"
#include "toolkit/controls/track_bar.h"

namespace lumaro::platform::linuxos::test {
namespace {

using toolkit::Component;

class ValueViewsTest : public ViewTest {};

TEST_F(ValueViewsTest, TrackBarShowsTheModelWithoutEchoingIt) {
  auto& bar = add<toolkit::TrackBar>("tbLevel");
  int changes = 0;
  bar.OnChange = [&](Component&) { ++changes; };
  bar.setMax(20);
  bar.setOrientation(toolkit::Orientation::Vertical);
  showForm();
  auto& slider = widget<QSlider>("tbLevel");

  bar.setPosition(7);

  EXPECT_EQ(slider.value(), 7);
  EXPECT_EQ(slider.maximum(), 20);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(slider.orientation(), Qt::Vertical);
  EXPECT_TRUE(slider.invertedAppearance());  // the minimum at the top
}

// A vertical slider of the RAM page: no ticks, a thumb 15 pixels across, the hand over it.
TEST_F(ValueViewsTest, TrackBarTickStyleThumbAndCursorReachTheSlider) {
  auto& bar = add<toolkit::TrackBar>("tbTarget");
  bar.setOrientation(toolkit::Orientation::Vertical);
  bar.setBounds({0, 0, 30, 120});
  showForm();
  auto& slider = widget<QSlider>("tbTarget");
  EXPECT_EQ(slider.tickPosition(), QSlider::TicksBelow);
  const int defaultThumb = slider.style()->pixelMetric(QStyle::PM_SliderControlThickness, nullptr, &slider);

  bar.setTickStyle(toolkit::TickStyle::None);
  bar.setThumbLength(15);
  bar.setCursor(toolkit::Cursor::HandPoint);

  EXPECT_EQ(slider.tickPosition(), QSlider::NoTicks);
  EXPECT_EQ(slider.style()->pixelMetric(QStyle::PM_SliderControlThickness, nullptr, &slider), 15);
  EXPECT_NE(defaultThumb, 15);
  EXPECT_EQ(slider.cursor().shape(), Qt::PointingHandCursor);
  // The thumb style keeps the application's look for everything else.
  const auto* thumbStyle = qobject_cast<QProxyStyle*>(slider.style());
  ASSERT_NE(thumbStyle, nullptr);
  EXPECT_EQ(thumbStyle->baseStyle()->name(), QApplication::style()->name());
}

TEST_F(ValueViewsTest, SliderMovesTheModelInsideTheGuard) {
  auto& bar = add<toolkit::TrackBar>("tbLevel");
  int changes = 0;
  bar.OnChange = [&](Component&) {
    ++changes;
    fail();
  };
  showForm();

  widget<QSlider>("tbLevel").triggerAction(QAbstractSlider::SliderSingleStepAdd);

  EXPECT_EQ(bar.position(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_F(ValueViewsTest, SpinEditShowsTheModel) {
  auto& whole = add<toolkit::SpinEdit>("seWhole");
  whole.setRange(1, 50);
  whole.setValue(12);
  whole.setEditorEnabled(false);
  auto& fraction = add<toolkit::SpinEdit>("seFraction");
  fraction.setIncrement(0.5);
  fraction.setValue(-3.5);
  showForm();

  auto& wholeBox = widget<QSpinBox>("seWhole");
  EXPECT_EQ(wholeBox.value(), 12);
  EXPECT_EQ(wholeBox.maximum(), 50);
  EXPECT_TRUE(wholeBox.findChild<QLineEdit*>()->isReadOnly());
  auto& fractionBox = widget<QDoubleSpinBox>("seFraction");
  EXPECT_EQ(fractionBox.value(), -3.5);  // a spin edit without limits takes any value
  EXPECT_EQ(fractionBox.decimals(), 1);
  EXPECT_FALSE(fractionBox.findChild<QLineEdit*>()->isReadOnly());

  int changes = 0;
  whole.OnChange = [&](Component&) { ++changes; };
  whole.setValue(99);
  EXPECT_EQ(wholeBox.value(), 50);
  EXPECT_EQ(changes, 1);

  // The box rounds to its decimals; that must not come back as a new value.
  fraction.setValue(0.25);
  EXPECT_EQ(fraction.value(), 0.25);
}

TEST_F(ValueViewsTest, SpinArrowsChangeTheModelInsideTheGuard) {
  auto& spin = add<toolkit::SpinEdit>("seWhole");
  spin.setRange(0, 10);
  spin.setIncrement(2);
  int changes = 0;
  spin.OnChange = [&](Component&) {
    ++changes;
    fail();
  };
  showForm();

  widget<QSpinBox>("seWhole").stepUp();

  EXPECT_EQ(spin.value(), 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
