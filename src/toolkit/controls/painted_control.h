#pragma once
#include <string>
#include <utility>

#include "platform/text_service.h"
#include "toolkit/core/control.h"
#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/canvas.h"

namespace lumaro::toolkit {

class DrawnMenu;

// A control that draws itself through a Canvas into a picture of its own size; views only show the
// picture. Any change of the control marks the picture stale, and it is painted again the next time
// it is asked for. A painted control may hold children (a panel does); their views lie on top of it.
class PaintedControl : public WinControl {
 public:
  PaintedControl(Component* owner, platform::TextService& text);

  // The picture at the control's current size, painted first if it is stale.
  const Bitmap& picture();
  // Draws the control again if its picture is out of date. Every change of the control marks the
  // picture so, and a picture that would come out the same is not painted again: a run repaints the
  // chart at every step, which must not cost a painting when nothing on it moved. The painting itself
  // waits until a view asks for the picture, so a control nobody can see costs nothing.
  void repaint() {
    if (stale_) changed();
  }
  // Marks the picture out of date for what the control cannot see change (a system colour, the answers
  // of a colour query), and tells the view.
  void invalidate() { changed(); }

  platform::TextService& textService() const { return text_; }

  // The mouse moved over the control (control coordinates).
  virtual void mouseMove(int, int) {}
  // The tooltip for a point of the control; empty for none.
  virtual std::string hintAt(int, int) const { return hint(); }
  // The menu that a right click opens, if any.
  virtual DrawnMenu* contextMenu() { return nullptr; }
  // The part of the control that its drawing covers, in control coordinates. On a window without a
  // background of its own the rest shows what lies behind the window.
  virtual Rect coveredArea() const { return clientRect(); }
  // A painted control is a plain panel unless its kind tells more.
  AccessibleDescription describe() const override {
    return {accessibleName(), AccessibleRole::Panel, {}, std::nullopt};
  }

 protected:
  virtual void paint(Canvas& canvas) = 0;
  void changed() override;
  // Stores a property's new value and marks the picture stale; an equal value changes nothing.
  // Answers whether it stored.
  template <class T>
  bool setProperty(T& field, T value) {
    if (field == value) return false;
    field = std::move(value);
    changed();
    return true;
  }
  int width() const { return bounds().width; }
  int height() const { return bounds().height; }
  Rect clientRect() const { return {0, 0, width(), height()}; }

 private:
  void paintNow();

  platform::TextService& text_;
  Bitmap bitmap_;
  Canvas canvas_;
  bool stale_ = true;
};

}  // namespace lumaro::toolkit
