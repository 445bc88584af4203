#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "backends/linux/desktop/text_service.h"
#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/controls/painted_control.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::linuxos::test {
namespace {

using toolkit::Component;

class FormViewTest : public ViewTest {};

TEST_F(FormViewTest, WindowFollowsTheForm) {
  form_.setCaption("Lumaro");
  view_ = std::make_unique<FormView>(form_, app_);
  QWidget& window = view_->window();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), "Lumaro");

  form_.show();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.geometry(), QRect(50, 50, 300, 200));

  form_.setWindowState(toolkit::WindowState::Minimized);
  EXPECT_TRUE(window.isMinimized());
  form_.setWindowState(toolkit::WindowState::Normal);
  EXPECT_FALSE(window.isMinimized());

  form_.hide();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(FormViewTest, BringToFrontActivatesTheWindow) {
  showForm();

  form_.bringToFront();

  EXPECT_TRUE(QTest::qWaitForWindowActive(&view_->window()));
}

// A meter whose cells end short of its right edge.
class ShortMeter : public toolkit::PaintedControl {
 public:
  ShortMeter(toolkit::Component* owner, platform::TextService& text) : PaintedControl(owner, text) {}
  toolkit::Rect coveredArea() const override { return {0, 0, bounds().width - 4, bounds().height}; }

 protected:
  void paint(toolkit::Canvas& canvas) override { canvas.fillRect(clientRect()); }
};

// A window without a background of its own shows only what its controls draw: the rest is cut away.
TEST_F(FormViewTest, AClearWindowKeepsOnlyWhatItsControlsDraw) {
  QtTextService text;
  auto& meter = form_.create<ShortMeter>(text);
  meter.setParent(&form_);
  meter.setBounds({10, 20, 100, 30});
  auto& label = add<toolkit::Label>("lblFigure");
  label.setBounds({50, 60, 40, 20});
  form_.setClearBackground(true);
  showForm();

  EXPECT_EQ(view_->window().mask(), QRegion(10, 20, 96, 30) + QRegion(50, 60, 40, 20));
}

TEST_F(FormViewTest, ABorderlessFormHasNoFrameAndAFixedSize) {
  form_.setBorderStyle(toolkit::BorderStyle::None);
  showForm();
  QWidget& window = view_->window();

  EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(window.minimumSize(), QSize(300, 200));
  EXPECT_EQ(window.maximumSize(), QSize(300, 200));
}

// The form keeps the control that last had the focus, whoever moved it there, and focus set on the
// form reaches the widget.
TEST_F(FormViewTest, FocusIsReportedToTheFormAndFollowsIt) {
  auto& first = add<toolkit::Button>("btnFirst");
  auto& second = add<toolkit::ComboBox>("cbSecond");
  first.setBounds({0, 0, 80, 25});
  second.setBounds({0, 30, 80, 25});
  showForm();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view_->window()));

  form_.setFocus(&first);
  EXPECT_TRUE(widget<QWidget>("btnFirst").hasFocus());

  // The user clicks into the editor inside the combo box.
  widget<QComboBox>("cbSecond").lineEdit()->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(form_.activeControl(), &second);

  form_.hide();
  EXPECT_EQ(form_.activeControl(), &second);
}

TEST_F(FormViewTest, UserMinimizingReachesTheModel) {
  showForm();

  view_->window().setWindowState(Qt::WindowMinimized);

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
  QWidget& window = view_->window();

  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(queries, 1);

  allow = true;
  window.close();
  EXPECT_FALSE(form_.visible());
  EXPECT_FALSE(window.isVisible());

  form_.show();
  form_.OnCloseQuery = fail;
  window.close();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_F(FormViewTest, ClosingTheMainFormEndsTheApplication) {
  app_.setMainForm(&form_);
  showForm();

  view_->window().close();

  EXPECT_TRUE(app_.terminated());
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
