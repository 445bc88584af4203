#include "toolkit/core/application.h"

#include "toolkit/core/error.h"

namespace lumaro::toolkit {

namespace {

// Runs `handler` and gives what escapes it, but the silent abort, to `onError`.
template <class OnError>
void catching(const std::function<void()>& handler, OnError onError) noexcept {
  try {
    handler();
  } catch (const Abort&) {
    // The silent kind: nothing to report.
  } catch (const std::exception& error) {
    onError(error);
  } catch (...) {
    onError(Error("Unknown error"));
  }
}

}  // namespace

Application::Application(platform::EventLoop& loop, platform::MessageNotice& messageBox)
    : loop_(loop), messageBox_(messageBox) {}

void Application::guarded(const std::function<void()>& handler) noexcept {
  catching(handler, [this](const std::exception& error) { handleException(error); });
}

void Application::ignoringErrors(const std::string& what, const std::function<void()>& handler) noexcept {
  catching(handler, [&](const std::exception& error) { note(what, error); });
}

void Application::handleException(const std::exception& error) noexcept {
  try {
    if (onException_) {
      onException_(error);
    } else {
      messageBox_.show(title_, error.what());
    }
  } catch (...) {
    // A failing handler must not take the loop down with it.
  }
}

void Application::note(const std::string& what, const std::exception& error) noexcept {
  try {
    messageBox_.note(title_, what + ": " + error.what());
  } catch (...) {
    // The log line is a courtesy; the task goes on without it.
  }
}

void Application::setOnShowHint(ShowHintHandler handler, const void* owner) {
  onShowHint_ = std::move(handler);
  showHintOwner_ = owner;
}

void Application::removeOnShowHint(const void* owner) {
  if (owner != showHintOwner_) return;
  onShowHint_ = nullptr;
  showHintOwner_ = nullptr;
}

std::optional<HintInfo> Application::hintToShow(std::string text) {
  HintInfo hint{std::move(text)};
  bool canShow = true;
  if (onShowHint_) guarded([&] { onShowHint_(hint, canShow); });
  if (!canShow || hint.text.empty()) return std::nullopt;
  return hint;
}

void Application::post(std::function<void()> message) {
  loop_.post([this, message = std::move(message)] { guarded(message); });
}

void Application::terminate() {
  terminated_ = true;
  loop_.quit(0);
}

void Application::ensureView(Form& form) {
  if (viewFactory_ && !views_.contains(&form)) views_[&form] = viewFactory_(form);
}

int Application::run() {
  if (terminated_) return 0;
  return loop_.run();
}

}  // namespace lumaro::toolkit
