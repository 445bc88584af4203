#pragma once
#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "backends/linux/desktop/event_loop.h"
#include "backends/linux/desktop/message_notice.h"
#include "backends/linux/views/form_view.h"
#include "backends/shared/form_controls.h"
#include "toolkit/core/application.h"
#include "toolkit/core/error.h"
#include "toolkit/core/form.h"

namespace lumaro::platform::linuxos::test {

// A handler that fails the way the program's handlers do.
inline constexpr auto fail = [](auto&&...) { throw toolkit::Error("boom"); };

// The widget that shows the control of that name.
template <class W = QWidget>
W& widgetNamed(const FormView& view, const std::string& name) {
  auto* found = view.window().findChild<W*>(QString::fromStdString(name));
  if (found == nullptr) throw std::logic_error("no widget " + name);
  return *found;
}

// A form with the controls a test adds, shown through a FormView. Errors that reach the application's
// exception handler are collected instead of being shown.
class ViewTest : public ::testing::Test {
 protected:
  ViewTest() {
    app_.setOnException([this](const std::exception& error) { errors_.emplace_back(error.what()); });
    form_.setBounds({50, 50, 300, 200});
  }

  template <class T>
  T& add(const std::string& name, toolkit::WinControl* parent = nullptr) {
    return contract::addControl<T>(form_, name, parent);
  }

  // Builds the view and shows the form.
  void showForm() {
    view_ = std::make_unique<FormView>(form_, app_);
    form_.show();
  }

  template <class W>
  W& widget(const std::string& name) const {
    return widgetNamed<W>(*view_, name);
  }

  QtEventLoop loop_;
  QtMessageBox messageBox_;
  toolkit::Application app_{loop_, messageBox_};
  toolkit::Form form_{nullptr, app_};
  std::unique_ptr<FormView> view_;
  std::vector<std::string> errors_;
};

}  // namespace lumaro::platform::linuxos::test
