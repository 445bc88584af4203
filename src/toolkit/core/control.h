#pragma once
#include <functional>
#include <string>
#include <vector>

#include "toolkit/core/accessible.h"
#include "toolkit/core/component.h"
#include "toolkit/core/event.h"
#include "toolkit/drawing/color.h"
#include "toolkit/drawing/font.h"

namespace lumaro::toolkit {

class WinControl;

enum class Align { None, Top, Bottom, Left, Right, Client };
// The mouse pointer over a control.
enum class Cursor { Default, HandPoint };
enum class MouseButton { Left, Right, Middle };

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Bounds&) const = default;
};

using MouseEvent = Event<Component&, MouseButton, int, int>;

// A visual control: a plain object that a view mirrors on screen. Every property change from code
// tells the view through the change listener; the view feeds user actions back through the setters.
class Control : public Component {
 public:
  explicit Control(Component* owner) : Component(owner) {}
  ~Control() override;

  WinControl* parent() const { return parent_; }
  void setParent(WinControl* parent);

  bool visible() const { return visible_; }
  virtual void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  const std::string& hint() const { return hint_; }
  void setHint(std::string hint);
  const Bounds& bounds() const { return bounds_; }
  void setBounds(Bounds bounds);
  Align align() const { return align_; }
  void setAlign(Align align);
  const Font& font() const { return font_; }
  void setFont(Font font);
  Color color() const { return color_; }
  void setColor(Color color);
  Cursor cursor() const { return cursor_; }
  void setCursor(Cursor cursor);
  // The name a screen reader gives the control: the one set here, else its caption as shown.
  std::string accessibleName() const;
  void setAccessibleName(std::string name);
  // What a screen reader is told of the control now.
  virtual AccessibleDescription describe() const {
    return {accessibleName(), AccessibleRole::Standard, {}, std::nullopt};
  }

  // Whether the control can take the input focus now: it takes input, and it and every parent up to
  // its window are shown and enabled.
  bool canFocus() const;

  // A click reported by the user (or raised from code).
  virtual void click() { OnClick(*this); }
  void mouseDown(MouseButton button, int x, int y) { OnMouseDown(*this, button, x, y); }

  NotifyEvent OnClick;
  MouseEvent OnMouseDown;

  // The view's hook: called after any property of this control changed.
  void setChangeListener(std::function<void()> listener) { changeListener_ = std::move(listener); }

 protected:
  // Whether the control can ever hold the focus; static texts and pictures cannot.
  virtual bool takesInput() const { return true; }

  // Painted controls also mark their picture stale here.
  virtual void changed() {
    if (changeListener_) changeListener_();
  }

 private:
  friend class WinControl;
  WinControl* parent_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  std::string hint_;
  Bounds bounds_;
  Align align_ = Align::None;
  Font font_;
  Color color_ = clBtnFace;
  Cursor cursor_ = Cursor::Default;
  std::string accessibleName_;
  std::function<void()> changeListener_;
};

// A control that holds other controls.
class WinControl : public Control {
 public:
  using Control::Control;
  ~WinControl() override;

  const std::vector<Control*>& children() const { return children_; }

 private:
  friend class Control;
  std::vector<Control*> children_;
};

}  // namespace lumaro::toolkit
