#pragma once
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/event_loop.h"
#include "platform/message_box.h"

namespace lumaro::toolkit {

class Form;

// The application object: the message loop, the one guard every dispatched handler runs in, and the
// application-wide exception handler.
class Application {
 public:
  using ExceptionHandler = std::function<void(const std::exception&)>;

  Application(platform::EventLoop& loop, platform::MessageBox& messageBox);

  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }

  // Runs `handler` inside the guard: an error that escapes it goes to the exception handler (the
  // silent abort is ignored). Every timer tick, posted message and user action comes through here.
  void guarded(const std::function<void()>& handler) noexcept;

  // Replaces the exception handler. Without one, the error's message is shown in a message box.
  void setOnException(ExceptionHandler handler) { onException_ = std::move(handler); }

  // Queues a message; it runs guarded from the loop.
  void post(std::function<void()> message);
  // Lets every pending message run, then returns.
  void processMessages() { loop_.processPending(); }
  // A plain message box captioned with the application title.
  void showMessage(const std::string& text) { messageBox_.show(title_, text); }

  // The main form: closing it ends the application.
  Form* mainForm() const { return mainForm_; }
  void setMainForm(Form* form) { mainForm_ = form; }

  // Ends the message loop; run() then returns 0.
  void terminate();
  bool terminated() const { return terminated_; }
  int run();

  platform::EventLoop& loop() { return loop_; }

  // What puts a form on screen. Each form gets its view when it is first shown, and loses it when it
  // is destroyed; without a factory (headless) forms have no view.
  using ViewFactory = std::function<std::shared_ptr<void>(Form&)>;
  void setViewFactory(ViewFactory factory) { viewFactory_ = std::move(factory); }
  void ensureView(Form& form);
  void releaseView(Form& form) { views_.erase(&form); }

 private:
  void handleException(const std::exception& error) noexcept;

  platform::EventLoop& loop_;
  platform::MessageBox& messageBox_;
  std::string title_;
  ExceptionHandler onException_;
  Form* mainForm_ = nullptr;
  bool terminated_ = false;
  ViewFactory viewFactory_;
  std::map<Form*, std::shared_ptr<void>> views_;
};

}  // namespace lumaro::toolkit
