#include "toolkit/core/control_visitor.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "backends/fake/fake_text_service.h"

namespace lumaro::toolkit {
namespace {

// Names the kind each control arrives as.
class KindNames final : public ControlVisitor<std::string> {
 public:
  std::string visit(CheckBox&) override { return "CheckBox"; }
  std::string visit(RadioButton&) override { return "RadioButton"; }
  std::string visit(Button&) override { return "Button"; }
  std::string visit(TrackBar&) override { return "TrackBar"; }
  std::string visit(SpinEdit&) override { return "SpinEdit"; }
  std::string visit(ComboBox&) override { return "ComboBox"; }
  std::string visit(Label&) override { return "Label"; }
  std::string visit(Image&) override { return "Image"; }
  std::string visit(Panel&) override { return "Panel"; }
  std::string visit(PaintedControl&) override { return "PaintedControl"; }
  std::string visit(PageControl&) override { return "PageControl"; }
  std::string visit(TabSheet&) override { return "TabSheet"; }
  std::string other(Control&) override { return "other"; }
};

// Painted controls are always of a class of their own.
class Canvasless : public PaintedControl {
 public:
  using PaintedControl::PaintedControl;

 protected:
  void paint(Canvas&) override {}
};

// A class derived from a standard kind, as the program's own controls are.
template <class Kind>
class Derived : public Kind {
 public:
  using Kind::Kind;
};

struct Case {
  std::string kind;
  std::unique_ptr<Control> control;
};

TEST(ControlVisitor, EveryControlReachesTheMostSpecificKindItIsOf) {
  platform::fake::FakeTextService text;
  std::vector<Case> cases;
  cases.push_back({"CheckBox", std::make_unique<CheckBox>(nullptr)});
  cases.push_back({"RadioButton", std::make_unique<RadioButton>(nullptr)});
  cases.push_back({"Button", std::make_unique<Button>(nullptr)});
  cases.push_back({"TrackBar", std::make_unique<TrackBar>(nullptr)});
  cases.push_back({"SpinEdit", std::make_unique<SpinEdit>(nullptr)});
  cases.push_back({"ComboBox", std::make_unique<ComboBox>(nullptr)});
  cases.push_back({"Label", std::make_unique<Label>(nullptr)});
  cases.push_back({"Image", std::make_unique<Image>(nullptr)});
  cases.push_back({"Panel", std::make_unique<Panel>(nullptr)});
  cases.push_back({"PaintedControl", std::make_unique<Canvasless>(nullptr, text)});
  cases.push_back({"PageControl", std::make_unique<PageControl>(nullptr)});
  cases.push_back({"TabSheet", std::make_unique<TabSheet>(nullptr)});
  // Subclasses go to their standard kind, never to a kind tried earlier or to `other`.
  cases.push_back({"CheckBox", std::make_unique<Derived<CheckBox>>(nullptr)});
  cases.push_back({"Button", std::make_unique<Derived<Button>>(nullptr)});
  cases.push_back({"Label", std::make_unique<Derived<Label>>(nullptr)});
  cases.push_back({"Panel", std::make_unique<Derived<Panel>>(nullptr)});
  cases.push_back({"TabSheet", std::make_unique<Derived<TabSheet>>(nullptr)});
  // No kind of its own.
  cases.push_back({"other", std::make_unique<WinControl>(nullptr)});
  cases.push_back({"other", std::make_unique<Control>(nullptr)});

  KindNames names;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(visitControl(*cases[i].control, names), cases[i].kind) << "case " << i;
  }
}

}  // namespace
}  // namespace lumaro::toolkit
