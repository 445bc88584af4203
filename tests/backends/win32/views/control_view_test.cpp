#include <windows.h>

#include <commctrl.h>

#include "backends/win32/views/view_fixture.h"
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

}  // namespace
}  // namespace lumaro::platform::win32::test
