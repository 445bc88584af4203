#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/core/component.h"

namespace lumaro::settings {

// A property of a control that the settings store can keep: found by name, rendered as the file's
// text, and assigned from it through the control's ordinary setter (so its handlers run as after a
// user change).
class PublishedProperty {
 public:
  enum class Type { Boolean, Integer, Floating, String };

  // The property `name` (any case) of `component`; nothing when it has no such property.
  // `decimalSeparator` is the user's, for reading floating values.
  static std::optional<PublishedProperty> find(toolkit::Component& component, std::string_view name,
                                               const std::string& decimalSeparator);

  Type type() const { return type_; }
  // The declared spelling, which the settings key uses.
  const std::string& name() const { return name_; }

  // "True"/"False", decimal, the shortest floating text with ".", or the text itself.
  std::string text() const { return get_(); }

  // Booleans match "True"/"False" in any case, other text leaves the control as it is; an integer
  // that does not convert is 0 (the control then clamps it); a floating text that does not convert
  // leaves the control as it is; strings are taken as they are.
  void assign(std::string_view text) const { set_(text); }

 private:
  PublishedProperty(Type type, std::string name, std::function<std::string()> get,
                    std::function<void(std::string_view)> set)
      : type_(type), name_(std::move(name)), get_(std::move(get)), set_(std::move(set)) {}

  template <class Checkable>
  static PublishedProperty checkedOf(Checkable& control);

  Type type_;
  std::string name_;
  std::function<std::string()> get_;
  std::function<void(std::string_view)> set_;
};

}  // namespace lumaro::settings
