#pragma once
#include <functional>
#include <memory>

#include "platform/services.h"
#include "toolkit/core/application.h"
#include "toolkit/core/form.h"
#include "toolkit/menus/drawn_menu.h"
#include "toolkit/menus/menu.h"

namespace lumaro::app {

// A backend's hold on the requests to end the session, from the moment it is taken until it goes.
class SessionEndWatch {
 public:
  virtual ~SessionEndWatch() = default;
  // The program is ending with its own exit code: requests that still come must change nothing.
  virtual void ignoreLaterRequests() {}
};

// What a backend gives the program: its real services, the views that put the windows and the tray
// menu on screen, and the requests to end the session.
class ProgramBackend {
 public:
  // Every real service; they outlive the run.
  virtual platform::Services services() = 0;
  // A window's on-screen view, made when the window is first shown and kept while it exists.
  virtual std::shared_ptr<void> formView(toolkit::Form& form, toolkit::Application& app) = 0;
  // A popup menu that draws itself, put on screen for as long as the view is kept.
  virtual std::shared_ptr<void> drawnMenuView(toolkit::PopupMenu& menu, toolkit::DrawnMenu& drawing,
                                              toolkit::Application& app) = 0;
  // Takes the requests to end the session while the watch is kept: each runs `onRequest` from the
  // event loop, also while a message box or a pause holds the thread, and ends the pause.
  virtual std::unique_ptr<SessionEndWatch> watchSessionEnd(std::function<void()> onRequest) = 0;
  // Closes the message boxes that are open, as the user's OK would.
  virtual void dismissMessageBoxes() = 0;

 protected:
  ~ProgramBackend() = default;
};

// The program from start to end on a backend; returns the exit code.
int runProgram(ProgramBackend& backend);

}  // namespace lumaro::app
