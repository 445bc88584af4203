#pragma once
#include <functional>
#include <memory>
#include <utility>

#include "app/program/run_program.h"

namespace lumaro::platform {

// What a desktop backend gives runProgram, made of its parts: `Desktop` holds every real service
// (with members loop, messageBox and text, and services()); `FormView` and `MenuView` put a form and a
// drawn popup menu on screen; `SessionEnd`, made with the request's handler and the loop, takes the
// requests to end the session.
template <class Desktop, class FormView, class MenuView, class SessionEnd>
class DesktopBackend final : public app::ProgramBackend {
 public:
  Services services() override { return desktop_.services(); }
  std::shared_ptr<void> formView(toolkit::Form& form, toolkit::Application& app) override {
    return std::make_shared<FormView>(form, app);
  }
  std::shared_ptr<void> drawnMenuView(toolkit::PopupMenu& menu, toolkit::DrawnMenu& drawing,
                                      toolkit::Application& app) override {
    return std::make_shared<MenuView>(menu, drawing, desktop_.text, app);
  }
  std::unique_ptr<app::SessionEndWatch> watchSessionEnd(std::function<void()> onRequest) override {
    return std::make_unique<SessionEnd>(std::move(onRequest), desktop_.loop);
  }
  void dismissMessageBoxes() override { desktop_.messageBox.dismissAll(); }

 private:
  Desktop desktop_;
};

}  // namespace lumaro::platform
