#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backends/win32/views/view_convert.h"
#include "toolkit/core/application.h"
#include "toolkit/core/control.h"

namespace lumaro::platform::win32 {

// Mirrors one model control into one window. The model is the truth: every change from code is read
// back into the window, and whatever the window reports while that happens is not taken for a user's
// action; every user action goes to the model inside the application's guard, after which the window
// shows whatever the model decided. A view must be destroyed before its control and before its window.
class ControlView {
 public:
  ControlView(toolkit::Control& control, HWND window, ControlView* parent, toolkit::Application& app);
  virtual ~ControlView();
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  HWND window() const { return window_; }
  toolkit::Control& control() const { return control_; }
  ControlView* parent() const { return parent_; }

  // Re-reads every property of the model into the window.
  void refresh();

  // A message to the window (or to one of its parts), before the window's own handling; nothing lets
  // the window handle it.
  virtual std::optional<LRESULT> message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // A notification the window sends its parent (WM_COMMAND, WM_NOTIFY, scrolling, colours, drawing).
  virtual std::optional<LRESULT> notification(UINT message, WPARAM wParam, LPARAM lParam);

  // Paints what this window shows behind its children into `dc`, whose origin is this window's top
  // left corner, over `area` (this window's coordinates). Children without a background of their own
  // show this.
  virtual void paintBackground(HDC dc, const RECT& area);
  // What this control shows to a see-through sibling lying over it, drawn into `dc` whose origin is
  // this window's top left corner: its picture or its text, never a background box. Nothing by default.
  virtual void paintSeenThrough(HDC) {}
  // Whether the control paints a background of its own: an RGB colour, or the window has no parent.
  bool ownBackground() const;
  // The solid colour behind this window's children.
  COLORREF backgroundColor() const;
  // The colour the control's text is drawn in: its font's, unless that would vanish on the user's
  // background (readableText).
  COLORREF textColor() const;
  // Where a client-aligned child goes: the window's inside, without its frame.
  virtual RECT contentRect() const;
  // The window that takes the focus for the control.
  virtual HWND focusWindow() const { return window_; }
  // The tooltip window of the form, for the controls' hints (set by the form's view).
  void setTooltip(HWND tooltip);
  // The density of the screen the window is on: the model's logical pixels are scaled by it.
  ScreenDensity density() const;
  // A point of this window in the model's logical pixels.
  POINT toLogical(POINT device) const;

 protected:
  // The properties particular to the kind of control.
  virtual void apply() {}
  // Enabled, geometry and visibility.
  virtual void applyPlacement();
  // The tooltip text for a point of the window; the control's hint unless the kind says otherwise.
  virtual std::string hintAt(POINT at) const;

  // Asks for the tooltip's text again (it depends on where the mouse is).
  void updateHint();
  // Runs a user's action on the model inside the guard, then shows the model's state.
  void userAction(const std::function<void()>& action);
  // Whether the window is being brought up to date: what it reports now is no user's doing.
  bool refreshing() const { return refreshing_ > 0; }
  // For windows without clicks of their own: presses become mouseDown, left clicks click().
  void forwardMouse() { forwardsMouse_ = true; }
  // A part of the control's window that is a window of its own (an editor, arrow buttons).
  void adopt(HWND part);
  // Replaces the window (a combo box whose style can only be set on creation); the old one is destroyed.
  void replaceWindow(HWND window);
  // Where the window goes in its parent, in device pixels.
  RECT placedRect() const;
  // The model's rectangle (logical pixels) in device pixels, each edge rounded on its own.
  RECT toDevice(const toolkit::Bounds& bounds) const;
  HFONT font() const { return font_.get(); }
  HBRUSH backgroundBrush();
  // Fills `area` with this window's background: its colour, or what its parent shows where it has none.
  void fillBackground(HDC dc, const RECT& area);
  toolkit::Application& app() const { return app_; }

 private:
  bool mouseEvent(HWND window, UINT message, LPARAM lParam);
  // The siblings that lie beneath this see-through window, seen through it.
  void paintSiblingsBeneath(HDC dc);
  void placeClientAlignedChildren();
  void reportFocus();
  void addTool();

  toolkit::Control& control_;
  HWND window_;
  ControlView* parent_;
  toolkit::Application& app_;
  std::vector<HWND> parts_;
  HWND tooltip_ = nullptr;
  std::wstring hintShown_;
  GdiObject<HFONT> font_;
  toolkit::Font fontShown_;
  int fontDpi_ = 0;
  GdiObject<HBRUSH> brush_;
  COLORREF brushColor_ = 0;
  int refreshing_ = 0;
  bool forwardsMouse_ = false;
  bool pressed_ = false;
};

// The tag through which the shared view creator finds this backend's makeView overloads
// (backends/shared/view_creator.h): a view is made with the view of its control's parent.
struct ViewKit {
  using View = std::unique_ptr<ControlView>;
  using Parent = ControlView;
};

}  // namespace lumaro::platform::win32
