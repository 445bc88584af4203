#pragma once
#include <functional>
#include <map>
#include <string>

#include "toolkit/core/control.h"

namespace lumaro::toolkit {

class Application;

enum class WindowState { Normal, Minimized };
enum class BorderStyle { Sizeable, Dialog, None };

// A top-level window. Forms start hidden; showing and hiding run OnShow and OnHide.
class Form : public WinControl {
 public:
  Form(Component* owner, Application& app);
  ~Form() override;

  Application& application() const { return app_; }

  // The window class's name, as the window definition gives it.
  virtual std::string className() const { return "TForm"; }

  void show() { setVisible(true); }
  void hide() { setVisible(false); }
  void setVisible(bool visible) override;

  // The creation notification, run guarded: an error ends OnCreate where it was raised.
  void doCreate();
  // The show notification alone, without showing the window.
  void doShow() { OnShow(*this); }
  // Asks the close question; when accepted, the main form ends the application and others hide and
  // run OnClose.
  void close();
  // Runs OnCloseQuery and answers whether the window may close.
  bool closeQuery();
  // The destroy notification, once, before the form is freed.
  void beforeDestruction();

  // How the window is framed and layered; set before the window is first shown.
  BorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(BorderStyle style);
  bool stayOnTop() const { return stayOnTop_; }
  void setStayOnTop(bool onTop);
  // A window that paints no background of its own: what lies behind it shows between its controls.
  bool clearBackground() const { return clearBackground_; }
  void setClearBackground(bool clear);
  // Places the window at the centre of `area` (the screen, or another window's bounds); one larger than
  // the area starts at its top or left edge.
  void centerOn(const Bounds& area);

  WindowState windowState() const { return windowState_; }
  // Becoming minimized runs every minimize hook, in the order they were added.
  void setWindowState(WindowState state);
  int addMinimizeHook(std::function<void()> hook);
  void removeMinimizeHook(int id) { minimizeHooks_.erase(id); }
  // Raises the window above others and gives it the input focus.
  void bringToFront();
  void setFrontListener(std::function<void()> listener) { frontListener_ = std::move(listener); }
  // Lets the user drag the window with the mouse until the button is released.
  void startMove() {
    if (moveListener_) moveListener_();
  }
  void setMoveListener(std::function<void()> listener) { moveListener_ = std::move(listener); }

  // The control that last had the focus. Focus moves only while the form is shown.
  Control* activeControl() const { return activeControl_; }
  void setFocus(Control* control);
  // The view reports that the user (or the window system) moved the focus to `control`.
  void userFocus(Control& control) { activeControl_ = &control; }
  void setFocusListener(std::function<void(Control&)> listener) { focusListener_ = std::move(listener); }

  NotifyEvent OnCreate;
  NotifyEvent OnShow;
  NotifyEvent OnHide;
  NotifyEvent OnActivate;
  NotifyEvent OnClose;
  NotifyEvent OnDestroy;
  Event<Component&, bool&> OnCloseQuery;

 private:
  Application& app_;
  WindowState windowState_ = WindowState::Normal;
  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  bool stayOnTop_ = false;
  bool clearBackground_ = false;
  Control* activeControl_ = nullptr;
  bool destroyed_ = false;
  std::map<int, std::function<void()>> minimizeHooks_;
  int nextHookId_ = 1;
  std::function<void()> frontListener_;
  std::function<void()> moveListener_;
  std::function<void(Control&)> focusListener_;
};

}  // namespace lumaro::toolkit
