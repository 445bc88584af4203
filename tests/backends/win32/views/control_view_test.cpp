#include <windows.h>

#include <commctrl.h>

#include "backends/win32/desktop/text_service.h"
#include "backends/win32/views/view_fixture.h"
#include "backends/win32/views/view_window.h"
#include "toolkit/controls/painted_control.h"
#include "toolkit/controls/spin_edit.h"
#include "toolkit/controls/track_bar.h"

namespace lumaro::platform::win32::test {
namespace {

class ControlViewTest : public ViewTest {
 protected:
  // What the form's tooltip would show for the control's window now.
  std::wstring tooltipText(HWND control) {
    NMTTDISPINFOW request{};
    request.hdr.hwndFrom = nullptr;
    request.hdr.idFrom = reinterpret_cast<UINT_PTR>(control);
    request.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(GetParent(control), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    return request.lpszText != nullptr ? request.lpszText : L"";
  }

  GdiTextService text_;
};

// The tip is asked for when it shows, so that the application's show-hint handler rewrites or forbids
// it.
TEST_F(ControlViewTest, TheApplicationsHintHandlerRewritesOrForbidsTheTip) {
  auto& bar = add<toolkit::TrackBar>("tbTarget");
  bar.setBounds({10, 10, 150, 30});
  bar.setHint("Memória alvo");
  showForm();
  HWND shown = window("tbTarget");

  app_.setOnShowHint([](toolkit::HintInfo& hint, bool&) { hint.text += "!"; }, this);
  EXPECT_EQ(tooltipText(shown), L"Mem\u00f3ria alvo!");
  app_.setOnShowHint([](toolkit::HintInfo&, bool& canShow) { canShow = false; }, this);
  EXPECT_EQ(tooltipText(shown), L"");
  app_.removeOnShowHint(this);
}

// A painted instrument whose reading a test sets.
class Gauge : public toolkit::PaintedControl {
 public:
  using PaintedControl::PaintedControl;

  void setReading(int reading) { setProperty(reading_, reading); }
  toolkit::AccessibleDescription describe() const override {
    return {accessibleName(), toolkit::AccessibleRole::Meter, std::to_string(reading_) + "%", std::nullopt};
  }

 protected:
  void paint(toolkit::Canvas& canvas) override { canvas.fillRect(clientRect()); }

 private:
  int reading_ = 0;
};

// The system's accessibility proxy names a window by its text: a painted one's says what it shows.
TEST_F(ControlViewTest, APaintedInstrumentsWindowTextTellsItsNameAndValue) {
  auto& gauge = add<Gauge>("gauge", nullptr, text_);
  gauge.setBounds({10, 10, 60, 20});
  gauge.setAccessibleName("Utilização da CPU");
  gauge.setReading(42);
  showForm();

  EXPECT_EQ(textOf(window("gauge")), "Utiliza\u00e7\u00e3o da CPU: 42%");
  gauge.setReading(43);
  EXPECT_EQ(textOf(window("gauge")), "Utiliza\u00e7\u00e3o da CPU: 43%");
}

// Every step runs through the model and back into the editor; the arrows keep repeating all the same.
TEST_F(ControlViewTest, ASpinEditsArrowHeldDownKeepsStepping) {
  auto& edit = add<toolkit::SpinEdit>("seValue");
  edit.setBounds({10, 10, 80, 24});
  edit.setRange(0, 100);
  edit.setValue(1);
  showForm();
  HWND arrows = FindWindowExW(window("seValue"), nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(arrows, nullptr);
  RECT area{};
  GetClientRect(arrows, &area);
  const LPARAM upper = MAKELPARAM(area.right / 2, area.bottom / 4);

  SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, upper);
  const bool repeated = pumpUntil([&] { return edit.value() >= 4; });
  SendMessageW(arrows, WM_LBUTTONUP, 0, upper);

  EXPECT_TRUE(repeated) << "the value stopped at " << edit.value();
}

}  // namespace
}  // namespace lumaro::platform::win32::test
