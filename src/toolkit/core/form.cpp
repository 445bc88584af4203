#include "toolkit/core/form.h"

#include <algorithm>

#include "toolkit/core/application.h"

namespace lumaro::toolkit {

Form::Form(Component* owner, Application& app) : WinControl(owner), app_(app) {
  Control::setVisible(false);
}

// Owned components (tray icons, timers) may still reach the form while they go.
Form::~Form() {
  app_.releaseView(*this);
  destroyComponents();
}

void Form::setVisible(bool visible) {
  if (visible == this->visible()) return;
  Control::setVisible(visible);
  if (visible) {
    app_.ensureView(*this);
    OnShow(*this);
  } else {
    OnHide(*this);
  }
}

void Form::doCreate() {
  app_.guarded([this] { OnCreate(*this); });
}

bool Form::closeQuery() {
  bool canClose = true;
  OnCloseQuery(*this, canClose);
  return canClose;
}

void Form::close() {
  if (!closeQuery()) return;
  if (app_.mainForm() == this) {
    app_.terminate();
    return;
  }
  hide();
  OnClose(*this);
}

void Form::beforeDestruction() {
  if (destroyed_) return;
  destroyed_ = true;
  OnDestroy(*this);
}

void Form::setWindowState(WindowState state) {
  if (state == windowState_) return;
  windowState_ = state;
  changed();
  if (state != WindowState::Minimized) return;
  auto hooks = minimizeHooks_;  // a hook may remove itself
  for (auto& [id, hook] : hooks) hook();
}

int Form::addMinimizeHook(std::function<void()> hook) {
  minimizeHooks_[nextHookId_] = std::move(hook);
  return nextHookId_++;
}

void Form::setBorderStyle(BorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  changed();
}

void Form::setStayOnTop(bool onTop) {
  if (onTop == stayOnTop_) return;
  stayOnTop_ = onTop;
  changed();
}

void Form::setClearBackground(bool clear) {
  if (clear == clearBackground_) return;
  clearBackground_ = clear;
  changed();
}

void Form::centerOn(const Bounds& area) {
  const Bounds& own = bounds();
  // A form larger than the area keeps its top left corner, and so its title, inside it: the title is
  // where a borderless form is moved from.
  setBounds(Bounds{area.left + std::max(0, (area.width - own.width) / 2),
                   area.top + std::max(0, (area.height - own.height) / 2), own.width, own.height});
}

void Form::bringToFront() {
  if (frontListener_) frontListener_();
}

void Form::setFocus(Control* control) {
  if (!visible()) return;
  activeControl_ = control;
  if (control != nullptr && focusListener_) focusListener_(*control);
}

}  // namespace lumaro::toolkit
