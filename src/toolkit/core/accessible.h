#pragma once
#include <optional>
#include <string>

namespace lumaro::toolkit {

// What a control is, for a screen reader. Standard: the kind the backend's own widget already tells.
enum class AccessibleRole { Standard, Panel, ReadOut, Meter, Chart, Slider };

// A numeric value within its limits.
struct AccessibleRange {
  double current = 0;
  double minimum = 0;
  double maximum = 0;
  bool operator==(const AccessibleRange&) const = default;
};

// What a screen reader says of a control: its name (what it is for), its role and what it shows now,
// as text and, where it is a number, as one.
struct AccessibleDescription {
  std::string name;
  AccessibleRole role = AccessibleRole::Standard;
  std::string value;
  std::optional<AccessibleRange> range;
  bool operator==(const AccessibleDescription&) const = default;
};

// A number as a screen reader reads it: rounded to `decimals` places (none below 1), with `separator`
// before the fraction.
std::string accessibleNumber(double value, int decimals = 0, char separator = '.');

// A whole number shown within its limits: the value reads as the number.
AccessibleRange wholeRange(int current, int minimum, int maximum);

}  // namespace lumaro::toolkit
