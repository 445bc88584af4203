#include <windows.h>

#include <commctrl.h>

#include "backends/win32/views/view_fixture.h"
#include "toolkit/controls/simple_controls.h"
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

TEST_F(ControlViewTest, CommonPropertiesFollowTheModel) {
  auto& button = add<toolkit::Button>("btnLoad");
  showForm();
  HWND shown = window("btnLoad");

  button.setBounds({10, 20, 100, 15});
  button.setEnabled(false);
  button.setFont({"Arial", 9, true, toolkit::clRed});

  RECT placed{};
  GetWindowRect(shown, &placed);
  MapWindowPoints(nullptr, view_->window(), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.left, 10);
  EXPECT_EQ(placed.top, 20);
  EXPECT_EQ(placed.right, 110);
  EXPECT_FALSE(IsWindowEnabled(shown));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(shown, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(std::wstring(font.lfFaceName), L"Arial");
  EXPECT_EQ(font.lfHeight, -9);
  EXPECT_EQ(font.lfWeight, FW_BOLD);

  button.setVisible(false);
  EXPECT_FALSE(IsWindowVisible(shown));
}

TEST_F(ControlViewTest, TheHandCursorAndTheHintsComeFromTheModel) {
  auto& bar = add<toolkit::TrackBar>("tbTarget");
  bar.setBounds({10, 10, 150, 30});
  bar.setCursor(toolkit::Cursor::HandPoint);
  bar.setHint("Memória alvo");
  showForm();
  HWND shown = window("tbTarget");

  EXPECT_TRUE(
      SendMessageW(shown, WM_SETCURSOR, reinterpret_cast<WPARAM>(shown), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  EXPECT_EQ(tooltipText(shown), L"Mem\u00f3ria alvo");

  // The application's show-hint handler rewrites or forbids the tip.
  app_.setOnShowHint([](toolkit::HintInfo& hint, bool&) { hint.text += "!"; }, this);
  EXPECT_EQ(tooltipText(shown), L"Mem\u00f3ria alvo!");
  app_.setOnShowHint([](toolkit::HintInfo&, bool& canShow) { canShow = false; }, this);
  EXPECT_EQ(tooltipText(shown), L"");
  app_.removeOnShowHint(this);
}

}  // namespace
}  // namespace lumaro::platform::win32::test
