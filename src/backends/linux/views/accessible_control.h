#pragma once
#include <optional>

#include "toolkit/core/accessible.h"
#include "toolkit/core/control.h"

class QWidget;

namespace lumaro::platform::linuxos {

// Screen readers learn a control's name, role and value through Qt's accessibility. Widgets of a role
// Qt cannot know (pictures the model paints, sliders whose thumb stands for another number) are
// described from the model while they are linked to it; every other widget keeps Qt's own description,
// under the model's name.
class AccessibleLink {
 public:
  AccessibleLink(QWidget& widget, const toolkit::Control& control);
  ~AccessibleLink();
  AccessibleLink(const AccessibleLink&) = delete;
  AccessibleLink& operator=(const AccessibleLink&) = delete;

  // Gives a widget Qt describes the model's name; tells a listening screen reader what changed in a
  // widget described from the model since it was told last: the name, the value.
  void announce();

 private:
  QWidget& widget_;
  const toolkit::Control& control_;
  const bool described_;
  std::optional<toolkit::AccessibleDescription> told_;
};

}  // namespace lumaro::platform::linuxos
