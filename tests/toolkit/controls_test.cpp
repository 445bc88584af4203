#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "backends/fake/fake_text_service.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/controls/page_control.h"
#include "toolkit/controls/simple_controls.h"
#include "toolkit/controls/spin_edit.h"
#include "toolkit/controls/track_bar.h"

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

TEST(TrackBar, ARangeHidesTheChosenPositionAndGivesItBackWhenItAllowsIt) {
  TrackBar bar(nullptr);
  std::vector<int> changes;
  bar.OnChange = [&](Component&) { changes.push_back(bar.position()); };
  bar.setMax(100);
  bar.setPosition(90);
  bar.setMax(50);
  EXPECT_EQ(bar.chosenPosition(), 90);
  bar.setMax(200);
  EXPECT_EQ(bar.position(), 90);
  bar.setMax(50);
  bar.setPosition(50);  // a position set while narrow is the new choice, even where it already stood
  bar.setMax(200);
  bar.setMin(60);
  bar.setPosition(0);  // chosen now: what this range allows of it
  bar.setMin(0);
  EXPECT_EQ(bar.chosenPosition(), 60);
  EXPECT_THAT(changes, ElementsAre(90, 50, 90, 50, 60));

  bar.restorePosition(500);  // chosen before, on a wider range: kept whole
  EXPECT_EQ(bar.position(), 200);
  EXPECT_EQ(bar.chosenPosition(), 500);
  bar.setMax(1000);
  EXPECT_EQ(bar.position(), 500);
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

TEST(ComboBox, KeysGoToOnKeyPressFirstAndEditsReplaceTheText) {
  ComboBox combo(nullptr);
  combo.setItems({"Ctrl+Alt+M", "Ctrl+Alt+Q"});
  combo.setText("Ctrl+Alt+M");
  std::vector<std::string> changes;
  combo.OnChange = [&](Component&) { changes.push_back(combo.text()); };
  EXPECT_EQ(combo.userKeyPress('x'), 'x');
  combo.OnKeyPress = [](Component&, char& key) { key = key == 'y' ? 0 : key; };
  EXPECT_EQ(combo.userKeyPress('y'), 0);
  EXPECT_EQ(combo.userKeyPress('Q'), 'Q');
  combo.userEdit("Ctrl+Alt+Q");  // the whole text selected and retyped
  combo.userEdit("Ctrl+Alt+Q");  // no change: no event
  EXPECT_EQ(combo.itemIndex(), 1);
  combo.userEdit("Ctrl+Alt+");
  EXPECT_EQ(combo.itemIndex(), -1);
  EXPECT_THAT(changes, ElementsAre("Ctrl+Alt+Q", "Ctrl+Alt+"));

  ComboBox list(nullptr);
  list.setStyle(ComboStyle::DropDownList);
  list.setItems({"Branco", "Cinza"});
  int listChanges = 0;
  list.OnChange = [&](Component&) { ++listChanges; };
  EXPECT_EQ(list.userKeyPress('C'), 'C');
  list.userEdit("Cinza");  // a drop-down list takes no text
  EXPECT_EQ(list.text(), "");
  EXPECT_EQ(listChanges, 0);
  list.setItemIndex(1);
  list.setItemIndex(-1);
  EXPECT_EQ(list.text(), "");
}

// With the fake text service every character is 6 pixels wide and a line as tall as the font.
TEST(Label, SizesItselfToItsCaptionUnlessItWrapsOrAutoSizeIsOff) {
  platform::fake::FakeTextService text;
  Label label(nullptr, &text);
  label.setBounds({10, 20, 0, 0});
  int changes = 0;
  label.setChangeListener([&] { ++changes; });

  label.setCaption("&Ver");  // the access-key marker takes no room
  EXPECT_EQ(label.bounds(), (Bounds{10, 20, 18, 11}));
  EXPECT_EQ(changes, 1);  // the view hears of it once, with the new size in place
  label.setBorder(Bevel::Lowered);
  EXPECT_EQ(label.bounds(), (Bounds{10, 20, 20, 13}));
  label.setFont(Font{"Arial", 16});
  EXPECT_EQ(label.bounds().height, 18);

  label.setAutoSize(false);
  label.setCaption("Ver Ajuda");
  EXPECT_EQ(label.bounds().width, 20);
  label.setAutoSize(true);
  label.setWordWrap(true);
  label.setBounds({10, 20, 30, 40});
  EXPECT_EQ(label.bounds(), (Bounds{10, 20, 30, 40}));

  Label unmeasured(nullptr);
  unmeasured.setBounds({0, 0, 5, 5});
  unmeasured.setCaption("long caption");
  EXPECT_EQ(unmeasured.bounds(), (Bounds{0, 0, 5, 5}));
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
