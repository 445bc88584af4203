#include <QApplication>
#include <QProxyStyle>
#include <QSlider>
#include <QStyle>

#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/track_bar.h"

namespace lumaro::platform::linuxos::test {
namespace {

class ValueViewsTest : public ViewTest {};

TEST_F(ValueViewsTest, AVerticalSliderHasItsMinimumAtTheTop) {
  auto& bar = add<toolkit::TrackBar>("tbLevel");
  bar.setOrientation(toolkit::Orientation::Vertical);
  showForm();

  EXPECT_TRUE(widget<QSlider>("tbLevel").invertedAppearance());
}

// The thumb's length is a style of the slider's own, which keeps the application's look for
// everything else.
TEST_F(ValueViewsTest, TheThumbStyleKeepsTheApplicationsLook) {
  auto& bar = add<toolkit::TrackBar>("tbTarget");
  bar.setBounds({0, 0, 30, 120});
  showForm();
  auto& slider = widget<QSlider>("tbTarget");
  EXPECT_NE(slider.style()->pixelMetric(QStyle::PM_SliderControlThickness, nullptr, &slider), 15);

  bar.setThumbLength(15);

  const auto* thumbStyle = qobject_cast<QProxyStyle*>(slider.style());
  ASSERT_NE(thumbStyle, nullptr);
  EXPECT_EQ(thumbStyle->baseStyle()->name(), QApplication::style()->name());
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
