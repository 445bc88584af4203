#include "toolkit/form.h"

#include "toolkit/application.h"

namespace lumaro::toolkit {

Form::Form(Component* owner, Application& app) : WinControl(owner), app_(app) {
  Control::setVisible(false);
}

void Form::setVisible(bool visible) {
  if (visible == this->visible()) return;
  Control::setVisible(visible);
  if (visible) {
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
  } else {
    hide();
  }
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
}

void Form::bringToFront() {
  if (frontListener_) frontListener_();
}

void Form::setFocus(Control* control) {
  if (!visible()) return;
  activeControl_ = control;
}

}  // namespace lumaro::toolkit
