#include "toolkit/controls/painted_control.h"

namespace lumaro::toolkit {

PaintedControl::PaintedControl(Component* owner, platform::TextService& text)
    : WinControl(owner), text_(text), canvas_(bitmap_, text) {}

const Bitmap& PaintedControl::picture() {
  if (stale_ || bitmap_.width() != width() || bitmap_.height() != height()) paintNow();
  return bitmap_;
}

void PaintedControl::changed() {
  stale_ = true;
  WinControl::changed();
}

void PaintedControl::paintNow() {
  bitmap_.setSize(width(), height());
  canvas_.reset(font());
  paint(canvas_);
  stale_ = false;
}

}  // namespace lumaro::toolkit
