#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/page_control.h"
#include "toolkit/simple_controls.h"
#include "toolkit/spin_edit.h"
#include "toolkit/track_bar.h"

namespace lumaro::toolkit {
namespace {

using ::testing::ElementsAre;

TEST(CheckBox, ChangeFromCodeRunsClickOnlyWhenTheStateChanges) {
  CheckBox box(nullptr);
  int clicks = 0;
  box.OnClick = [&](Component&) { ++clicks; };
  box.setChecked(false);
  EXPECT_EQ(clicks, 0);
  box.setChecked(true);
  box.setChecked(true);
  EXPECT_EQ(clicks, 1);
  box.click();  // the user's click toggles
  EXPECT_FALSE(box.checked());
  EXPECT_EQ(clicks, 2);
}

TEST(RadioButton, CheckingOneUnchecksItsSiblingsSilently) {
  Panel group(nullptr), other(nullptr);
  RadioButton a(nullptr), b(nullptr), c(nullptr), elsewhere(nullptr);
  for (RadioButton* r : {&a, &b, &c}) r->setParent(&group);
  elsewhere.setParent(&other);
  std::vector<std::string> trace;
  a.OnClick = [&](Component&) { trace.push_back("a"); };
  b.OnClick = [&](Component&) { trace.push_back("b"); };
  c.OnClick = [&](Component&) { trace.push_back("c"); };
  elsewhere.setChecked(true);
  a.setChecked(true);
  b.setChecked(true);
  EXPECT_FALSE(a.checked());
  EXPECT_TRUE(b.checked());
  EXPECT_TRUE(elsewhere.checked());  // another parent is another group
  b.setChecked(false);               // becoming unchecked runs nothing
  EXPECT_THAT(trace, ElementsAre("a", "b"));
}

TEST(TrackBar, PositionStaysInRangeAndEveryChangeRunsOnChange) {
  TrackBar bar(nullptr);
  std::vector<int> changes;
  bar.OnChange = [&](Component&) { changes.push_back(bar.position()); };
  bar.setMax(100);
  bar.setPosition(150);
  bar.setPosition(100);
  bar.setMax(40);  // pulls the position down with it
  bar.setMin(-5);
  bar.setPosition(-20);
  EXPECT_THAT(changes, ElementsAre(100, 40, -5));
  bar.setMax(-10);  // below the minimum: the range never inverts
  EXPECT_EQ(bar.min(), -10);
  EXPECT_EQ(bar.position(), -10);
}

TEST(SpinEdit, ValueIsClampedWhenARangeIsSet) {
  SpinEdit spin(nullptr);
  std::vector<double> changes;
  spin.OnChange = [&](Component&) { changes.push_back(spin.value()); };
  spin.setValue(1000);  // no range yet: anything goes
  spin.setRange(1, 360);
  spin.setIncrement(5);
  spin.stepUp();
  spin.setValue(0);
  spin.setValue(0.5);
  EXPECT_THAT(changes, ElementsAre(1000, 360, 1));
}

TEST(ComboBox, CodeChangesAreSilentAndUserChoicesClickThenChange) {
  ComboBox combo(nullptr);
  std::vector<std::string> trace;
  combo.OnClick = [&](Component&) { trace.push_back("click:" + combo.text()); };
  combo.OnChange = [&](Component&) { trace.push_back("change:" + combo.text()); };
  combo.setItems({"Ctrl+Alt+A", "Ctrl+Alt+B"});
  combo.setText("Ctrl+Alt+B");
  EXPECT_EQ(combo.itemIndex(), 1);
  combo.setItemIndex(0);
  EXPECT_EQ(combo.text(), "Ctrl+Alt+A");
  EXPECT_TRUE(trace.empty());
  combo.userSelect(1);
  combo.userSelect(7);  // no such item: ignored
  EXPECT_THAT(trace, ElementsAre("click:Ctrl+Alt+B", "change:Ctrl+Alt+B"));
}

TEST(ComboBox, KeyPressHandlerCanSwallowTypedKeys) {
  ComboBox combo(nullptr);
  int changes = 0;
  combo.OnChange = [&](Component&) { ++changes; };
  combo.userType('x');
  EXPECT_EQ(combo.text(), "x");
  combo.OnKeyPress = [](Component&, char& key) { key = 0; };
  combo.userType('y');
  EXPECT_EQ(combo.text(), "x");
  EXPECT_EQ(changes, 1);

  ComboBox list(nullptr);
  list.setStyle(ComboStyle::DropDownList);
  list.setItems({"Branco", "Cinza"});
  list.userType('C');  // a drop-down list takes no text
  EXPECT_EQ(list.text(), "");
  list.setItemIndex(1);
  list.setItemIndex(-1);
  EXPECT_EQ(list.text(), "");
}

TEST(PageControl, PagesAreItsSheetsAndOnlyUserChoicesRunOnChange) {
  PageControl pages(nullptr);
  TabSheet ram(nullptr), config(nullptr);
  ram.setParent(&pages);
  config.setParent(&pages);
  int changes = 0;
  pages.OnChange = [&](Component&) { ++changes; };
  pages.setActivePage(&config);
  EXPECT_EQ(pages.activePageIndex(), 1);
  pages.userSelectPage(&ram);
  EXPECT_EQ(pages.activePageIndex(), 0);
  EXPECT_EQ(changes, 1);
  TabSheet stray(nullptr);
  pages.setActivePage(&stray);  // not one of its pages
  EXPECT_EQ(pages.activePage(), &ram);
}

TEST(Control, ViewsHearOfEveryChangeAndParentsForgetDestroyedChildren) {
  Panel panel(nullptr);
  int notices = 0;
  {
    Label label(nullptr);
    label.setChangeListener([&] { ++notices; });
    label.setParent(&panel);
    label.setCaption("Max");
    label.setCaption("Max");
    label.setVisible(false);
    EXPECT_EQ(notices, 3);
    EXPECT_EQ(panel.children().size(), 1u);
  }
  EXPECT_TRUE(panel.children().empty());
}

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst) {
  std::vector<std::string> freed;
  struct Tracked : Component {
    Tracked(Component* owner, std::vector<std::string>& log, std::string tag)
        : Component(owner), log_(log), tag_(std::move(tag)) {}
    ~Tracked() override { log_.push_back(tag_); }
    std::vector<std::string>& log_;
    std::string tag_;
  };
  {
    Component owner;
    owner.create<Tracked>(freed, "first").setName("First");
    owner.create<Tracked>(freed, "second");
    EXPECT_NE(owner.findComponent("FIRST"), nullptr);
    EXPECT_EQ(owner.findComponent("third"), nullptr);
  }
  EXPECT_THAT(freed, ElementsAre("second", "first"));
}

}  // namespace
}  // namespace lumaro::toolkit
