#include "toolkit/core/control.h"

#include <algorithm>

#include "toolkit/controls/access_key.h"

namespace lumaro::toolkit {

// Destruction detaches silently: views may already be gone.
Control::~Control() {
  if (parent_ != nullptr) std::erase(parent_->children_, this);
}

void Control::setParent(WinControl* parent) {
  if (parent == parent_) return;
  if (parent_ != nullptr) std::erase(parent_->children_, this);
  parent_ = parent;
  if (parent_ != nullptr) parent_->children_.push_back(this);
  changed();
}

bool Control::canFocus() const {
  for (const Control* control = this; control != nullptr; control = control->parent()) {
    if (!control->visible() || !control->enabled()) return false;
  }
  return takesInput();
}

WinControl::~WinControl() {
  for (Control* child : children_) child->parent_ = nullptr;
}

template <class T>
static bool assignIfDifferent(T& field, T value) {
  if (field == value) return false;
  field = std::move(value);
  return true;
}

void Control::setVisible(bool visible) {
  if (assignIfDifferent(visible_, visible)) changed();
}
void Control::setEnabled(bool enabled) {
  if (assignIfDifferent(enabled_, enabled)) changed();
}
void Control::setCaption(std::string caption) {
  if (assignIfDifferent(caption_, std::move(caption))) changed();
}
void Control::setHint(std::string hint) {
  if (assignIfDifferent(hint_, std::move(hint))) changed();
}
void Control::setBounds(Bounds bounds) {
  if (assignIfDifferent(bounds_, bounds)) changed();
}
void Control::setAlign(Align align) {
  if (assignIfDifferent(align_, align)) changed();
}
void Control::setFont(Font font) {
  if (assignIfDifferent(font_, std::move(font))) changed();
}
void Control::setColor(Color color) {
  if (assignIfDifferent(color_, color)) changed();
}
void Control::setCursor(Cursor cursor) {
  if (assignIfDifferent(cursor_, cursor)) changed();
}
void Control::setAccessibleName(std::string name) {
  if (assignIfDifferent(accessibleName_, std::move(name))) changed();
}

std::string Control::accessibleName() const {
  return accessibleName_.empty() ? parseAccessKey(caption_).text : accessibleName_;
}

}  // namespace lumaro::toolkit
