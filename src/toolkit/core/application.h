#pragma once
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/event_loop.h"
#include "platform/message_notice.h"

namespace lumaro::toolkit {

class Form;

// A tooltip the application is about to show.
struct HintInfo {
  std::string text;
  // While the mouse stays on the control, the tip is asked for again after this many milliseconds
  // (0: never), so that it can follow the mouse.
  int reshowTimeoutMs = 0;
};

// The application object: the message loop, the one guard every dispatched handler runs in, and the
// application-wide exception and show-hint handlers.
class Application {
 public:
  using ExceptionHandler = std::function<void(const std::exception&)>;
  // Runs before every tooltip: may rewrite it, set its re-show timeout, or forbid it (canShow false).
  using ShowHintHandler = std::function<void(HintInfo& hint, bool& canShow)>;

  Application(platform::EventLoop& loop, platform::MessageNotice& messageBox);

  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }

  // Runs `handler` inside the guard: an error that escapes it goes to the exception handler (the
  // silent abort is ignored). Every timer tick, posted message and user action comes through here.
  void guarded(const std::function<void()>& handler) noexcept;
  // Runs `handler` for a part of a larger task that goes on without it: an error that escapes it is
  // not the exception handler's, only a line in the session log, after `what` (the silent abort
  // writes nothing).
  void ignoringErrors(const std::string& what, const std::function<void()>& handler) noexcept;

  // Replaces the exception handler. Without one, the error's message is shown in a message box.
  void setOnException(ExceptionHandler handler) { onException_ = std::move(handler); }

  // Replaces the show-hint handler; `owner` names who installed it, for removeOnShowHint.
  void setOnShowHint(ShowHintHandler handler, const void* owner);
  // Removes the show-hint handler if `owner` installed it (a later one has replaced it otherwise).
  void removeOnShowHint(const void* owner);
  // The tooltip for a control's hint text after the show-hint handler (run inside the guard); none when
  // the handler forbids it or leaves no text.
  std::optional<HintInfo> hintToShow(std::string text);

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
  // A form being destroyed: its view goes first, while the controls it mirrors still exist.
  void releaseView(Form& form) { views_.erase(&form); }

 private:
  void handleException(const std::exception& error) noexcept;
  void note(const std::string& what, const std::exception& error) noexcept;

  platform::EventLoop& loop_;
  platform::MessageNotice& messageBox_;
  std::string title_;
  ExceptionHandler onException_;
  ShowHintHandler onShowHint_;
  const void* showHintOwner_ = nullptr;
  Form* mainForm_ = nullptr;
  bool terminated_ = false;
  ViewFactory viewFactory_;
  std::map<Form*, std::shared_ptr<void>> views_;
};

}  // namespace lumaro::toolkit
