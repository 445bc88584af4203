#include "backends/shared/views_contract.h"
#include "toolkit/controls/spin_edit.h"
#include "toolkit/controls/track_bar.h"

namespace lumaro::platform::contract {
namespace {

using toolkit::Component;

TEST_P(ViewsContract, TrackBarShowsTheModelWithoutEchoingIt) {
  auto& bar = add<toolkit::TrackBar>("tbLevel");
  bar.setBounds({10, 10, 30, 120});
  int changes = 0;
  bar.OnChange = [&](Component&) { ++changes; };
  bar.setMax(20);
  bar.setOrientation(toolkit::Orientation::Vertical);
  showForm();

  bar.setPosition(7);

  EXPECT_EQ(shown("tbLevel").position, 7);
  EXPECT_EQ(shown("tbLevel").maximum, 20);
  EXPECT_TRUE(shown("tbLevel").vertical);
  EXPECT_EQ(changes, 1);
}

// A vertical slider of the RAM page: no ticks, a thumb 15 pixels across, the hand over it.
TEST_P(ViewsContract, TrackBarTickStyleThumbAndCursorReachTheSlider) {
  auto& bar = add<toolkit::TrackBar>("tbTarget");
  bar.setOrientation(toolkit::Orientation::Vertical);
  bar.setBounds({10, 10, 30, 120});
  showForm();
  EXPECT_TRUE(shown("tbTarget").ticks);
  EXPECT_FALSE(shown("tbTarget").handCursor);

  bar.setTickStyle(toolkit::TickStyle::None);
  bar.setThumbLength(15);
  bar.setCursor(toolkit::Cursor::HandPoint);

  EXPECT_FALSE(shown("tbTarget").ticks);
  EXPECT_EQ(shown("tbTarget").thumbLength, 15);
  EXPECT_TRUE(shown("tbTarget").handCursor);
}

TEST_P(ViewsContract, TheUsersKeysMoveTheSliderModelOnceInsideTheGuard) {
  auto& bar = add<toolkit::TrackBar>("tbLevel");
  bar.setBounds({10, 10, 150, 30});
  int changes = 0;
  bar.OnChange = [&](Component&) {
    ++changes;
    fail();
  };
  showForm();

  subject().press("tbLevel", Key::Right);

  EXPECT_EQ(bar.position(), 1);
  EXPECT_EQ(shown("tbLevel").position, 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_P(ViewsContract, SpinEditShowsTheModel) {
  auto& whole = add<toolkit::SpinEdit>("seWhole");
  whole.setBounds({10, 10, 60, 22});
  whole.setRange(1, 50);
  whole.setValue(12);
  whole.setEditorEnabled(false);
  whole.setMaxLength(3);
  auto& fraction = add<toolkit::SpinEdit>("seFraction");
  fraction.setBounds({10, 40, 60, 22});
  fraction.setIncrement(0.5);
  fraction.setValue(-3.5);
  showForm();

  EXPECT_EQ(shown("seWhole").text, "12");
  EXPECT_FALSE(shown("seWhole").editable);
  EXPECT_EQ(shown("seWhole").maxLength, 3);
  // A spin edit without limits takes any value, shown with the increment's decimals.
  EXPECT_EQ(shown("seFraction").text, "-3.5");
  EXPECT_TRUE(shown("seFraction").editable);

  int changes = 0;
  whole.OnChange = [&](Component&) { ++changes; };
  whole.setValue(99);
  EXPECT_EQ(shown("seWhole").text, "50");
  EXPECT_EQ(changes, 1);

  // The editor rounds to its decimals; that must not come back as a new value.
  fraction.setValue(0.25);
  EXPECT_EQ(fraction.value(), 0.25);

  // A typed number is the user's.
  subject().replaceText("seFraction", "2.5");
  EXPECT_EQ(fraction.value(), 2.5);
}

TEST_P(ViewsContract, SpinArrowsStepTheModelInsideTheGuard) {
  auto& spin = add<toolkit::SpinEdit>("seWhole");
  spin.setBounds({10, 10, 60, 22});
  spin.setRange(0, 10);
  spin.setIncrement(2);
  spin.setEditorEnabled(false);
  int changes = 0;
  spin.OnChange = [&](Component&) {
    ++changes;
    fail();
  };
  showForm();

  // The up key in the read-only editor still goes to the arrows.
  subject().press("seWhole", Key::Up);

  EXPECT_EQ(spin.value(), 2);
  EXPECT_EQ(shown("seWhole").text, "2");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

}  // namespace
}  // namespace lumaro::platform::contract
