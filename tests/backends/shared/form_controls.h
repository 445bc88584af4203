#pragma once
#include <string>
#include <utility>

#include "toolkit/core/control.h"
#include "toolkit/core/form.h"

namespace lumaro::platform::contract {

// A control made on `form` for a test: named, and placed under `parent` (the form when none).
template <class T, class... Args>
T& addControl(toolkit::Form& form, const std::string& name, toolkit::WinControl* parent, Args&&... args) {
  T& control = form.create<T>(std::forward<Args>(args)...);
  control.setName(name);
  control.setParent(parent != nullptr ? parent : &form);
  return control;
}

}  // namespace lumaro::platform::contract
