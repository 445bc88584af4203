#include "settings/published_property.h"

#include "settings/value_text.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/controls/spin_edit.h"
#include "toolkit/controls/track_bar.h"
#include "toolkit/drawing/text.h"

namespace lumaro::settings {

using namespace toolkit;

template <class Checkable>
PublishedProperty PublishedProperty::checkedOf(Checkable& control) {
  return PublishedProperty(
      Type::Boolean, "Checked", [&control] { return std::string(control.checked() ? "True" : "False"); },
      [&control](std::string_view text) {
        if (sameText(text, "False")) control.setChecked(false);
        if (sameText(text, "True")) control.setChecked(true);
      });
}

std::optional<PublishedProperty> PublishedProperty::find(Component& component, std::string_view name,
                                                         const std::string& decimalSeparator) {
  if (sameText(name, "Checked")) {
    if (auto* box = dynamic_cast<CheckBox*>(&component)) return checkedOf(*box);
    if (auto* radio = dynamic_cast<RadioButton*>(&component)) return checkedOf(*radio);
  }
  if (auto* bar = dynamic_cast<TrackBar*>(&component); bar && sameText(name, "Position")) {
    // The choice is stored, not what the range of the moment shows of it, and read back whole.
    return PublishedProperty(
        Type::Integer, "Position", [bar] { return intToStr(bar->chosenPosition()); },
        [bar](std::string_view text) { bar->restorePosition(parseInteger(text).value_or(0)); });
  }
  if (auto* spin = dynamic_cast<SpinEdit*>(&component); spin && sameText(name, "Value")) {
    return PublishedProperty(
        Type::Floating, "Value", [spin] { return formatFloat(spin->value()); },
        [spin, decimalSeparator](std::string_view text) {
          if (const auto value = parseFloat(text, decimalSeparator)) spin->setValue(*value);
        });
  }
  if (auto* combo = dynamic_cast<ComboBox*>(&component); combo && sameText(name, "Text")) {
    return PublishedProperty(
        Type::String, "Text", [combo] { return combo->text(); },
        [combo](std::string_view text) { combo->setText(std::string(text)); });
  }
  return std::nullopt;
}

}  // namespace lumaro::settings
