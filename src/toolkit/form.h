#pragma once
#include <functional>
#include <map>
#include <string>

#include "toolkit/control.h"

namespace lumaro::toolkit {

class Application;

enum class WindowState { Normal, Minimized };

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
  // Asks the close question; when accepted, the main form ends the application and others hide.
  void close();
  // Runs OnCloseQuery and answers whether the window may close.
  bool closeQuery();
  // The destroy notification, once, before the form is freed.
  void beforeDestruction();

  WindowState windowState() const { return windowState_; }
  // Becoming minimized runs every minimize hook, in the order they were added.
  void setWindowState(WindowState state);
  int addMinimizeHook(std::function<void()> hook);
  void removeMinimizeHook(int id) { minimizeHooks_.erase(id); }
  // Raises the window above others and gives it the input focus.
  void bringToFront();
  void setFrontListener(std::function<void()> listener) { frontListener_ = std::move(listener); }

  // The focused control. Focus moves only while the form is shown.
  Control* activeControl() const { return activeControl_; }
  void setFocus(Control* control);

  NotifyEvent OnCreate;
  NotifyEvent OnShow;
  NotifyEvent OnHide;
  NotifyEvent OnActivate;
  NotifyEvent OnDestroy;
  Event<Component&, bool&> OnCloseQuery;

 private:
  Application& app_;
  WindowState windowState_ = WindowState::Normal;
  Control* activeControl_ = nullptr;
  bool destroyed_ = false;
  std::map<int, std::function<void()>> minimizeHooks_;
  int nextHookId_ = 1;
  std::function<void()> frontListener_;
};

}  // namespace lumaro::toolkit
