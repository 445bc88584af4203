#include "backends/fake/fake_text_service.h"
#include "backends/win32/views/view_fixture.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/controls/painted_control.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::win32::test {
namespace {

using toolkit::Component;

class FormViewTest : public ViewTest {};

RECT insideOnScreen(HWND window) {
  RECT inside{};
  GetClientRect(window, &inside);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&inside), 2);
  return inside;
}

TEST_F(FormViewTest, WindowFollowsTheForm) {
  form_.setCaption("Configuração");
  view_ = std::make_unique<FormView>(form_, app_);
  HWND window = view_->window();
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(shownText(window), L"Configura\u00e7\u00e3o");

  form_.show();
  EXPECT_TRUE(IsWindowVisible(window));
  const RECT inside = insideOnScreen(window);
  EXPECT_EQ(inside.left, 50);
  EXPECT_EQ(inside.top, 50);
  EXPECT_EQ(inside.right - inside.left, 300);
  EXPECT_EQ(inside.bottom - inside.top, 200);

  form_.setWindowState(toolkit::WindowState::Minimized);
  EXPECT_TRUE(IsIconic(window));
  form_.setWindowState(toolkit::WindowState::Normal);
  EXPECT_FALSE(IsIconic(window));
  EXPECT_EQ(form_.windowState(), toolkit::WindowState::Normal);

  form_.hide();
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(FormViewTest, ABorderlessFormHasNoFrameAndAProgressFormStaysOnTop) {
  form_.setBorderStyle(toolkit::BorderStyle::None);
  form_.setStayOnTop(true);
  showForm();
  HWND window = view_->window();

  EXPECT_TRUE(hasStyle(window, WS_POPUP));
  EXPECT_FALSE(hasStyle(window, WS_CAPTION));
  EXPECT_FALSE(hasStyle(window, WS_THICKFRAME));
  EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  RECT outer{};
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 300);
}

// A meter whose cells end short of its right edge.
class ShortMeter : public toolkit::PaintedControl {
 public:
  using PaintedControl::PaintedControl;
  toolkit::Rect coveredArea() const override { return {0, 0, bounds().width - 4, bounds().height}; }

 protected:
  void paint(toolkit::Canvas& canvas) override { canvas.fillRect(clientRect()); }
};

// A window without a background of its own keeps only what its controls draw: the rest is cut away.
TEST_F(FormViewTest, AClearWindowKeepsOnlyWhatItsControlsDraw) {
  fake::FakeTextService text;
  add<ShortMeter>("meter", nullptr, text).setBounds({10, 20, 100, 30});
  add<toolkit::Label>("lblFigure").setBounds({50, 60, 40, 20});
  form_.setBorderStyle(toolkit::BorderStyle::None);
  form_.setClearBackground(true);
  showForm();

  HRGN shown = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(view_->window(), shown), ERROR);
  HRGN expected = CreateRectRgn(10, 20, 106, 50);
  HRGN label = CreateRectRgn(50, 60, 90, 80);
  CombineRgn(expected, expected, label, RGN_OR);
  EXPECT_TRUE(EqualRgn(shown, expected));
  DeleteObject(shown);
  DeleteObject(expected);
  DeleteObject(label);
}

// The form keeps the control that last had the focus, whoever moved it there; focus set on the form
// reaches the window, and Tab moves on in the controls' order.
TEST_F(FormViewTest, FocusIsReportedToTheFormAndFollowsIt) {
  auto& first = add<toolkit::Button>("btnFirst");
  auto& second = add<toolkit::ComboBox>("cbSecond");
  first.setBounds({0, 0, 80, 25});
  second.setBounds({0, 30, 80, 25});
  showForm();

  form_.setFocus(&first);
  EXPECT_EQ(GetFocus(), window("btnFirst"));

  // The user clicks into the editor inside the combo box.
  SetFocus(GetWindow(window("cbSecond"), GW_CHILD));
  EXPECT_EQ(form_.activeControl(), &second);

  SetFocus(window("btnFirst"));
  PostMessageW(window("btnFirst"), WM_KEYDOWN, VK_TAB, 0);
  pump();
  EXPECT_EQ(form_.activeControl(), &second);

  form_.hide();
  EXPECT_EQ(form_.activeControl(), &second);
}

TEST_F(FormViewTest, TheUsersMinimizingAndMovingReachTheModel) {
  showForm();

  // The window manager places the frame; the form's bounds are its inside.
  SetWindowPos(view_->window(), nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT inside = insideOnScreen(view_->window());
  EXPECT_EQ(form_.bounds(), (toolkit::Bounds{inside.left, inside.top, 300, 200}));
  EXPECT_GE(form_.bounds().left, 70);

  ShowWindow(view_->window(), SW_MINIMIZE);
  EXPECT_EQ(form_.windowState(), toolkit::WindowState::Minimized);
}

TEST_F(FormViewTest, ClosingTheWindowAsksTheForm) {
  bool allow = false;
  int queries = 0;
  form_.OnCloseQuery = [&](Component&, bool& canClose) {
    ++queries;
    canClose = allow;
  };
  showForm();
  HWND window = view_->window();

  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(queries, 1);

  allow = true;
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(form_.visible());
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(IsWindow(window));

  form_.show();
  form_.OnCloseQuery = fail;
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_F(FormViewTest, ClosingTheMainFormEndsTheApplication) {
  app_.setMainForm(&form_);
  showForm();

  SendMessageW(view_->window(), WM_CLOSE, 0, 0);

  EXPECT_TRUE(app_.terminated());
}

TEST_F(FormViewTest, TheModelOutlivesItsViewSafely) {
  auto& label = add<toolkit::Label>("lblLoad");
  showForm();
  HWND window = view_->window();

  view_.reset();
  label.setCaption("still fine");
  form_.bringToFront();
  form_.hide();

  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(label.caption(), "still fine");
}

}  // namespace
}  // namespace lumaro::platform::win32::test
