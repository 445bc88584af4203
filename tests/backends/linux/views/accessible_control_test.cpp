#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QSlider>

#include "backends/linux/desktop/text_service.h"
#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/controls/painted_control.h"
#include "toolkit/controls/simple_controls.h"
#include "toolkit/controls/track_bar.h"

namespace lumaro::platform::linuxos::test {
namespace {

// An instrument whose reading a test sets.
class Gauge : public toolkit::PaintedControl {
 public:
  using PaintedControl::PaintedControl;

  void setReading(int reading) { setProperty(reading_, reading); }
  toolkit::AccessibleDescription describe() const override {
    return {accessibleName(), toolkit::AccessibleRole::Meter, std::to_string(reading_) + "%",
            toolkit::wholeRange(reading_, 0, 100)};
  }

 protected:
  void paint(toolkit::Canvas& canvas) override { canvas.fillRect(clientRect()); }

 private:
  int reading_ = 0;
};

class AccessibleControlTest : public ViewTest {
 protected:
  AccessibleControlTest() {
    gauge_.setName("gauge");
    gauge_.setParent(&form_);
    gauge_.setAccessibleName("Utilização da CPU");
  }
  static QAccessibleInterface& accessible(QWidget& widget) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(&widget);
    if (found == nullptr) throw std::logic_error("no accessible interface");
    return *found;
  }

  QtTextService text_;
  Gauge& gauge_ = form_.create<Gauge>(text_);
};

TEST_F(AccessibleControlTest, APaintedInstrumentTellsItsNameRoleAndValueFromTheModel) {
  gauge_.setReading(42);
  showForm();
  QAccessibleInterface& shown = accessible(widget<QWidget>("gauge"));

  EXPECT_EQ(shown.role(), QAccessible::ProgressBar);
  EXPECT_EQ(shown.text(QAccessible::Name), "Utilização da CPU");
  EXPECT_EQ(shown.text(QAccessible::Value), "42%");
  ASSERT_NE(shown.valueInterface(), nullptr);
  EXPECT_EQ(shown.valueInterface()->currentValue().toDouble(), 42);
  EXPECT_EQ(shown.valueInterface()->maximumValue().toDouble(), 100);

  gauge_.setReading(43);
  EXPECT_EQ(shown.valueInterface()->currentValue().toDouble(), 43) << "never a stale value";
}

TEST_F(AccessibleControlTest, AVerticalSliderTellsTheValueItsThumbStandsFor) {
  auto& bar = add<toolkit::TrackBar>("tbTarget");
  bar.setAccessibleName("Memória RAM Alvo (MB)");
  bar.setOrientation(toolkit::Orientation::Vertical);
  bar.setPosition(3);
  showForm();
  QAccessibleInterface& shown = accessible(widget<QSlider>("tbTarget"));

  EXPECT_EQ(shown.role(), QAccessible::Slider);
  EXPECT_EQ(shown.text(QAccessible::Name), "Memória RAM Alvo (MB)");
  ASSERT_NE(shown.valueInterface(), nullptr);
  EXPECT_EQ(shown.valueInterface()->currentValue().toDouble(), 7);
}

TEST_F(AccessibleControlTest, AStandardWidgetKeepsQtsDescriptionUnderTheModelsName) {
  auto& button = add<toolkit::Button>("btnRun");
  button.setCaption("&Otimizar");
  auto& combo = add<toolkit::Button>("btnNamed");
  combo.setAccessibleName("Minimizar");
  showForm();

  EXPECT_EQ(accessible(widget<QWidget>("btnRun")).text(QAccessible::Name), "Otimizar");
  EXPECT_EQ(accessible(widget<QWidget>("btnRun")).role(), QAccessible::Button);
  EXPECT_EQ(accessible(widget<QWidget>("btnNamed")).text(QAccessible::Name), "Minimizar");
  combo.setAccessibleName("Fechar");
  EXPECT_EQ(accessible(widget<QWidget>("btnNamed")).text(QAccessible::Name), "Fechar");
}

// Qt names a combo box by its current text here: its purpose is in the description.
TEST_F(AccessibleControlTest, AComboBoxTellsItsPurposeBesideItsChoice) {
  auto& combo = add<toolkit::ComboBox>("cbIconColor");
  combo.setStyle(toolkit::ComboStyle::DropDownList);
  combo.setItems({"Branco", "Cinza"});
  combo.setItemIndex(1);
  combo.setAccessibleName("Tipo de icone");
  showForm();
  QAccessibleInterface& shown = accessible(widget<QWidget>("cbIconColor"));

  EXPECT_EQ(shown.text(QAccessible::Value), "Cinza");
  EXPECT_EQ(shown.text(QAccessible::Description), "Tipo de icone");
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
