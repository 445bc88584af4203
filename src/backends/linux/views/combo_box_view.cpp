#include "backends/linux/views/combo_box_view.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "backends/linux/views/event_filter.h"
#include "backends/linux/views/view_convert.h"

namespace lumaro::platform::linuxos {

namespace {

// The key the model is told about: a printable ASCII character or a backspace; 0 for any other key,
// shortcuts included.
char typedKey(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Backspace) return '\b';
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  const QString text = event.text();
  if (text.size() != 1 || text[0].unicode() < 0x20 || text[0].unicode() >= 0x7F) return 0;
  return static_cast<char>(text[0].unicode());
}

// Every typed character reaches the model's OnKeyPress first. A drop-down list takes no typing at all
// (the list is chosen from with the mouse or the arrow keys); an editable box edits as any text field
// does (caret, selection, Delete, paste) and hands the model the resulting text. Only the list makes a
// choice: typing never does, not even a text that matches an item.
class ComboBoxView : public ControlView {
 public:
  ComboBoxView(toolkit::ComboBox& model, QComboBox& combo, toolkit::Application& app)
      : ControlView(model, combo, app),
        model_(model),
        combo_(combo),
        keyFilter_(*new EventFilter(context(), [this](QEvent& event) { return keyEvent(event); })) {
    combo_.setInsertPolicy(QComboBox::NoInsert);
    combo_.installEventFilter(&keyFilter_);
    QObject::connect(&combo_, &QComboBox::activated, &context(), [this](int index) {
      if (typingEnds_) {
        // Qt took the typed text for the item it matches: the box shows what the user typed again.
        apply();
        return;
      }
      userAction([&] { model_.userSelect(index); });
    });
  }

 protected:
  void apply() override {
    QStringList items;
    for (const std::string& item : model_.items()) items << toQString(item);
    if (currentItems() != items) {
      combo_.clear();
      combo_.addItems(items);
    }
    const bool editable = model_.style() == toolkit::ComboStyle::DropDown;
    if (editable != combo_.isEditable()) {
      if (editable) {
        giveEditor();
      } else {
        combo_.setEditable(false);
      }
    }
    if (!editable) {
      combo_.setCurrentIndex(model_.itemIndex());
      return;
    }
    // Re-showing the model's text must not move the caret or the selection of the text the user is
    // editing: what already agrees is left alone.
    QLineEdit& editor = *combo_.lineEdit();
    const QString text = toQString(model_.text());
    if (combo_.currentIndex() == model_.itemIndex() && editor.text() == text) return;
    const int caret = editor.cursorPosition();
    const bool same = editor.text() == text;
    if (combo_.currentIndex() != model_.itemIndex()) combo_.setCurrentIndex(model_.itemIndex());
    if (editor.text() != text) editor.setText(text);
    if (same) editor.setCursorPosition(caret);
  }

 private:
  QStringList currentItems() const {
    QStringList items;
    for (int i = 0; i < combo_.count(); ++i) items << combo_.itemText(i);
    return items;
  }

  // Qt's box takes the editor's Enter and its loss of the focus for a choice of the item that matches
  // the typed text (without regard to case, while it completes): here they end the typing and choose
  // nothing. The box connects its own handlers of the two when it takes the editor, so handlers
  // connected before and after it bracket them.
  void giveEditor() {
    auto& editor = *new QLineEdit(&combo_);
    markTypingEnds(editor, true);
    combo_.setLineEdit(&editor);
    markTypingEnds(editor, false);
    // Neither is the typed text completed from the list.
    combo_.setCompleter(nullptr);
    takeOverEditor(editor);
  }

  void markTypingEnds(QLineEdit& editor, bool ending) {
    const auto mark = [this, ending] { typingEnds_ = ending; };
    QObject::connect(&editor, &QLineEdit::returnPressed, &context(), mark);
    QObject::connect(&editor, &QLineEdit::editingFinished, &context(), mark);
  }

  // Keys reach the editor through the box, which hands them on directly (past any filter), or go to the
  // editor itself: each key is seen once either way.
  void takeOverEditor(QLineEdit& editor) {
    editor.installEventFilter(&keyFilter_);
    QObject::connect(&editor, &QLineEdit::textEdited, &context(), [this](const QString& text) {
      userAction([&] { model_.userEdit(text.toStdString()); });
    });
  }

  bool keyEvent(QEvent& event) {
    if (event.type() != QEvent::KeyPress) return false;
    const char key = typedKey(static_cast<const QKeyEvent&>(event));
    if (key == 0) return false;
    char survived = 0;
    userAction([&] { survived = model_.userKeyPress(key); });
    if (model_.style() == toolkit::ComboStyle::DropDownList || survived == 0) return true;
    if (survived == key) return false;  // the editor types it
    // The handler put another character in its place.
    if (QLineEdit* editor = combo_.lineEdit()) {
      if (survived == '\b') {
        editor->backspace();
      } else {
        editor->insert(QString(QChar(survived)));
      }
      emit editor->textEdited(editor->text());
    }
    return true;
  }

  toolkit::ComboBox& model_;
  QComboBox& combo_;
  EventFilter& keyFilter_;
  // Inside the editor's Enter or loss of the focus.
  bool typingEnds_ = false;
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::ComboBox& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<ComboBoxView>(model, *new QComboBox(&parent), app);
}

}  // namespace lumaro::platform::linuxos
