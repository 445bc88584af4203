#include "backends/shared/views_contract.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/controls/painted_control.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::contract {
namespace {

using toolkit::Component;

TEST_P(ViewsContract, WindowFollowsTheForm) {
  form().setCaption("Configuração");
  subject().makeView(form());
  EXPECT_FALSE(subject().window().visible);
  EXPECT_EQ(subject().window().title, "Configuração");

  form().show();
  const ShownWindow window = subject().window();
  EXPECT_TRUE(window.visible);
  EXPECT_EQ(window.inside, (toolkit::Bounds{50, 50, 300, 200}));
  EXPECT_TRUE(window.framed);
  EXPECT_TRUE(window.resizable);
  EXPECT_FALSE(window.onTop);

  form().setWindowState(toolkit::WindowState::Minimized);
  EXPECT_TRUE(subject().window().minimized);
  form().setWindowState(toolkit::WindowState::Normal);
  EXPECT_FALSE(subject().window().minimized);
  EXPECT_EQ(form().windowState(), toolkit::WindowState::Normal);

  form().hide();
  EXPECT_FALSE(subject().window().visible);
}

TEST_P(ViewsContract, ABorderlessFormHasNoFrameAndAFixedSizeAndAProgressFormStaysOnTop) {
  form().setBorderStyle(toolkit::BorderStyle::None);
  form().setStayOnTop(true);
  showForm();

  const ShownWindow window = subject().window();
  EXPECT_FALSE(window.framed);
  EXPECT_FALSE(window.resizable);
  EXPECT_TRUE(window.onTop);
  EXPECT_EQ(window.outside.width, 300);
  EXPECT_EQ(window.outside.height, 200);
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
TEST_P(ViewsContract, AClearWindowKeepsOnlyWhatItsControlsDraw) {
  add<ShortMeter>("meter", nullptr, subject().text()).setBounds({10, 20, 100, 30});
  auto& figure = add<toolkit::Label>("lblFigure");
  figure.setBounds({50, 60, 40, 20});
  figure.setCaption("8");
  form().setBorderStyle(toolkit::BorderStyle::None);
  form().setClearBackground(true);
  showForm();

  const toolkit::Rect meter{10, 20, 106, 50};
  const toolkit::Rect label{50, 60, 90, 80};
  int wrong = 0;
  int letter = 0;
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 300; ++x) {
      const toolkit::Point at{x, y};
      if (label.contains(at) && !meter.contains(at)) {
        letter += subject().keeps(at) ? 1 : 0;  // the letter at least, perhaps its whole box
      } else if (subject().keeps(at) != meter.contains(at)) {
        ++wrong;
      }
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(letter, 0);
}

// The form keeps the control that last had the focus, whoever moved it there, and focus set on the
// form reaches the control's widget or window.
TEST_P(ViewsContract, FocusIsReportedToTheFormAndFollowsIt) {
  auto& first = add<toolkit::Button>("btnFirst");
  auto& second = add<toolkit::ComboBox>("cbSecond");
  first.setBounds({0, 0, 80, 25});
  second.setBounds({0, 30, 80, 25});
  showForm();
  ASSERT_TRUE(subject().waitUntilActive());

  form().setFocus(&first);
  EXPECT_TRUE(subject().hasFocus("btnFirst"));

  // The user clicks into the editor inside the combo box.
  subject().focus("cbSecond");
  EXPECT_EQ(form().activeControl(), &second);

  form().hide();
  EXPECT_EQ(form().activeControl(), &second);
}

TEST_P(ViewsContract, TheUsersMinimizingReachesTheModel) {
  showForm();

  subject().minimize();

  EXPECT_EQ(form().windowState(), toolkit::WindowState::Minimized);
}

TEST_P(ViewsContract, ClosingTheWindowAsksTheForm) {
  bool allow = false;
  int queries = 0;
  form().OnCloseQuery = [&](Component&, bool& canClose) {
    ++queries;
    canClose = allow;
  };
  showForm();

  subject().close();
  EXPECT_TRUE(subject().window().visible);
  EXPECT_EQ(queries, 1);

  allow = true;
  subject().close();
  EXPECT_FALSE(form().visible());
  EXPECT_FALSE(subject().window().visible);

  form().show();
  form().OnCloseQuery = fail;
  subject().close();
  EXPECT_TRUE(subject().window().visible);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_P(ViewsContract, ClosingTheMainFormEndsTheApplication) {
  subject().application().setMainForm(&form());
  showForm();

  subject().close();

  EXPECT_TRUE(subject().application().terminated());
}

TEST_P(ViewsContract, TheModelOutlivesItsViewSafely) {
  auto& label = add<toolkit::Label>("lblLoad");
  showForm();

  subject().dropView();
  label.setCaption("still fine");
  form().bringToFront();
  form().hide();

  EXPECT_TRUE(subject().windowGone());
  EXPECT_EQ(label.caption(), "still fine");
}

}  // namespace
}  // namespace lumaro::platform::contract
