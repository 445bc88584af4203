#include <windows.h>

#include <commctrl.h>

#include "backends/win32/views/view_fixture.h"
#include "toolkit/controls/spin_edit.h"
#include "toolkit/controls/track_bar.h"

namespace lumaro::platform::win32::test {
namespace {

using toolkit::Component;

class ValueViewsTest : public ViewTest {};

int trackBar(HWND bar, UINT message) {
  return static_cast<int>(SendMessageW(bar, message, 0, 0));
}

// A vertical slider of the RAM page: minimum at the top, no ticks, a thumb 15 pixels across, the hand
// over it.
TEST_F(ValueViewsTest, TrackBarShowsTheModelWithoutEchoingIt) {
  auto& bar = add<toolkit::TrackBar>("tbLevel");
  bar.setBounds({10, 10, 30, 120});
  int changes = 0;
  bar.OnChange = [&](Component&) { ++changes; };
  bar.setMax(20);
  bar.setOrientation(toolkit::Orientation::Vertical);
  showForm();
  HWND slider = window("tbLevel");
  EXPECT_TRUE(hasStyle(slider, TBS_AUTOTICKS));

  bar.setPosition(7);
  bar.setTickStyle(toolkit::TickStyle::None);
  bar.setThumbLength(15);

  EXPECT_EQ(trackBar(slider, TBM_GETPOS), 7);
  EXPECT_EQ(trackBar(slider, TBM_GETRANGEMAX), 20);
  EXPECT_EQ(trackBar(slider, TBM_GETTHUMBLENGTH), 15);
  EXPECT_TRUE(hasStyle(slider, TBS_VERT | TBS_NOTICKS));
  EXPECT_EQ(changes, 1);
}

TEST_F(ValueViewsTest, TheUsersKeysMoveTheModelOnceInsideTheGuard) {
  auto& bar = add<toolkit::TrackBar>("tbLevel");
  bar.setBounds({10, 10, 150, 30});
  int changes = 0;
  bar.OnChange = [&](Component&) {
    ++changes;
    fail();
  };
  showForm();

  SendMessageW(window("tbLevel"), WM_KEYDOWN, VK_RIGHT, 0);

  EXPECT_EQ(bar.position(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_F(ValueViewsTest, SpinEditShowsTheModel) {
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

  HWND wholeEditor = GetWindow(window("seWhole"), GW_CHILD);
  EXPECT_EQ(shownText(wholeEditor), L"12");
  EXPECT_TRUE(hasStyle(wholeEditor, ES_READONLY));
  EXPECT_EQ(SendMessageW(wholeEditor, EM_GETLIMITTEXT, 0, 0), 3);
  HWND fractionEditor = GetWindow(window("seFraction"), GW_CHILD);
  EXPECT_EQ(shownText(fractionEditor), L"-3.5");  // a spin edit without limits takes any value
  EXPECT_FALSE(hasStyle(fractionEditor, ES_READONLY));

  int changes = 0;
  whole.OnChange = [&](Component&) { ++changes; };
  whole.setValue(99);
  EXPECT_EQ(shownText(wholeEditor), L"50");
  EXPECT_EQ(changes, 1);

  // The editor rounds to its decimals; that must not come back as a new value.
  fraction.setValue(0.25);
  EXPECT_EQ(fraction.value(), 0.25);

  // A typed number is the user's.
  SetWindowTextW(fractionEditor, L"2.5");
  EXPECT_EQ(fraction.value(), 2.5);
}

TEST_F(ValueViewsTest, SpinArrowsStepTheModelInsideTheGuard) {
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
  HWND editor = GetWindow(window("seWhole"), GW_CHILD);

  // The up arrow key in the editor goes to the arrows.
  SendMessageW(editor, WM_KEYDOWN, VK_UP, 0);

  EXPECT_EQ(spin.value(), 2);
  EXPECT_EQ(shownText(editor), L"2");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

}  // namespace
}  // namespace lumaro::platform::win32::test
