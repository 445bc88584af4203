#pragma once
// The behaviour every backend's views share: a form of toolkit controls, shown through the backend's
// views, follows its model, and what the user does there reaches the model. A backend's views tests
// make a subject that shows the form and plays the user on its widgets or windows, and run the suite
// with LUMARO_CONTRACT(ViewsContract, <Backend>, factory). The suite includes only GoogleTest, the
// interfaces and the toolkit, so that it builds for every target.
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "backends/shared/form_controls.h"
#include "platform/contract/contract.h"
#include "platform/text_service.h"
#include "toolkit/core/application.h"
#include "toolkit/core/control.h"
#include "toolkit/core/error.h"
#include "toolkit/core/form.h"
#include "toolkit/drawing/color.h"
#include "toolkit/drawing/geometry.h"

namespace lumaro::platform::contract {

// What a control's widget or window shows. A field that does not apply to the control keeps its
// default; texts are UTF-8.
struct ShownControl {
  bool visible = false;
  bool enabled = false;
  toolkit::Bounds bounds;  // in its parent's inside
  std::string hint;
  bool handCursor = false;
  std::string fontName;
  int fontHeight = 0;  // pixels
  bool bold = false;
  std::string text;  // the caption, the editor's text or the chosen item
  bool checked = false;
  bool editable = false;           // whether it takes typing
  int maxLength = 0;               // the most characters its editor takes
  std::vector<std::string> items;  // a list's items, or the tabs shown
  int index = -1;                  // the chosen item or tab
  int position = 0;                // a slider's
  int maximum = 0;
  bool vertical = false;
  bool ticks = false;
  int thumbLength = 0;
};

// What the form's window shows.
struct ShownWindow {
  std::string title;
  bool visible = false;
  bool minimized = false;
  toolkit::Bounds inside;   // on the screen
  toolkit::Bounds outside;  // with the frame
  bool framed = false;      // a title bar
  bool resizable = false;
  bool onTop = false;
};

enum class Key { Up, Down, Right };

// One backend's views under test: the form's view, what it shows, and the user at its controls. A
// control is named by the control's name.
class ViewsSubject {
 public:
  virtual ~ViewsSubject() = default;
  virtual toolkit::Application& application() = 0;
  // The text service that painted controls measure with.
  virtual platform::TextService& text() = 0;

  // Makes the form's view; the window shows whenever the form does.
  virtual void makeView(toolkit::Form& form) = 0;
  // Runs the window system until a shown form's window is on screen.
  virtual void waitUntilShown() = 0;
  // Runs the window system until the form's window is the active one; false when it does not become.
  virtual bool waitUntilActive() = 0;
  // Destroys the view (if any), before the form.
  virtual void dropView() = 0;
  // Whether the form's window went with its view.
  virtual bool windowGone() = 0;

  virtual ShownWindow window() = 0;
  virtual ShownControl control(const std::string& name) = 0;
  // Whether the widget or window of `inner` lies inside that of `outer`.
  virtual bool inside(const std::string& inner, const std::string& outer) = 0;
  virtual bool hasFocus(const std::string& name) = 0;
  // Whether the shape of the form's window keeps the point of its inside.
  virtual bool keeps(toolkit::Point at) = 0;
  // Runs the window system until the screen shows `colour` at the control's point; false when it does
  // not.
  virtual bool showsColour(const std::string& name, toolkit::Point at, toolkit::Color colour) = 0;
  // A point of the control on the screen.
  virtual toolkit::Point onScreen(const std::string& name, toolkit::Point at) = 0;
  // Where the popup menu that is open lies on the screen; none when none is open.
  virtual std::optional<toolkit::Bounds> menu() = 0;

  // The user's actions.
  virtual void click(const std::string& name) = 0;  // the left button, in the middle
  virtual void mouseClick(const std::string& name, toolkit::MouseButton button, toolkit::Point at) = 0;
  virtual void moveMouse(const std::string& name, toolkit::Point at) = 0;
  virtual void press(const std::string& name, Key key) = 0;
  // Types into the control's editor, or into a list that has none; '\b' is the backspace.
  virtual void type(const std::string& name, const std::string& keys) = 0;
  // Replaces the whole text of the control's editor.
  virtual void replaceText(const std::string& name, const std::string& text) = 0;
  // Clicks the tab of that index.
  virtual void chooseTab(const std::string& name, int index) = 0;
  // Clicks into the control's editor (or the control): the focus goes there.
  virtual void focus(const std::string& name) = 0;
  // Releases the left button over a point of the open popup menu.
  virtual void chooseInMenu(toolkit::Point at) = 0;
  virtual void minimize() = 0;
  virtual void close() = 0;
};

// A handler that fails the way the program's handlers do.
inline constexpr auto fail = [](auto&&...) { throw toolkit::Error("boom"); };

// Each test gets a fresh backend and an empty form at (50, 50), 300 × 200; errors that reach the
// application's exception handler are collected instead of being shown.
class ViewsContract : public ContractTest<ViewsSubject> {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    if (HasFatalFailure()) return;
    subject().application().setOnException(
        [this](const std::exception& error) { errors_.emplace_back(error.what()); });
    form_ = std::make_unique<toolkit::Form>(nullptr, subject().application());
    form_->setBounds({50, 50, 300, 200});
  }
  void TearDown() override {
    if (form_ == nullptr) return;
    subject().dropView();
    form_.reset();
  }

  template <class T, class... Args>
  T& add(const std::string& name, toolkit::WinControl* parent = nullptr, Args&&... args) {
    return addControl<T>(*form_, name, parent, std::forward<Args>(args)...);
  }

  // Builds the view and shows the form.
  void showForm() {
    subject().makeView(*form_);
    form_->show();
    subject().waitUntilShown();
  }

  ShownControl shown(const std::string& name) { return subject().control(name); }
  toolkit::Form& form() { return *form_; }

  std::vector<std::string> errors_;

 private:
  std::unique_ptr<toolkit::Form> form_;
};

}  // namespace lumaro::platform::contract
