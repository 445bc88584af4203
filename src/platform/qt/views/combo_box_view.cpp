#include "platform/qt/views/combo_box_view.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/qt/views/event_filter.h"
#include "platform/qt/views/view_convert.h"

namespace lumaro::platform::qt {

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

// The model owns the edit's text: typing goes through userType (where OnKeyPress may swallow the key)
// and the edit then shows the model's text. Edits that bypass typing (paste, delete, drag) are undone.
class ComboBoxView : public ControlView {
 public:
  ComboBoxView(toolkit::ComboBox& model, QComboBox& combo, toolkit::Application& app)
      : ControlView(model, combo, app),
        model_(model),
        combo_(combo),
        keyFilter_(*new EventFilter(context(), [this](QEvent& event) { return keyEvent(event); })) {
    combo_.setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(&combo_, &QComboBox::activated, &context(),
                     [this](int index) { userAction([&] { model_.userSelect(index); }); });
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
      combo_.setEditable(editable);
      if (editable) takeOverEditor(*combo_.lineEdit());
    }
    combo_.setCurrentIndex(model_.itemIndex());
    if (editable) combo_.setEditText(toQString(model_.text()));
  }

 private:
  QStringList currentItems() const {
    QStringList items;
    for (int i = 0; i < combo_.count(); ++i) items << combo_.itemText(i);
    return items;
  }

  void takeOverEditor(QLineEdit& editor) {
    editor.installEventFilter(&keyFilter_);
    editor.setContextMenuPolicy(Qt::NoContextMenu);
    QObject::connect(&editor, &QLineEdit::textEdited, &context(), [this] { refresh(); });
  }

  bool keyEvent(QEvent& event) {
    if (event.type() != QEvent::KeyPress) return false;
    const char key = typedKey(static_cast<const QKeyEvent&>(event));
    if (key == 0) return false;
    userAction([&] { model_.userType(key); });
    return true;
  }

  toolkit::ComboBox& model_;
  QComboBox& combo_;
  EventFilter& keyFilter_;
};

}  // namespace

std::unique_ptr<ControlView> makeComboBoxView(toolkit::ComboBox& model, QWidget& parent,
                                              toolkit::Application& app) {
  return std::make_unique<ComboBoxView>(model, *new QComboBox(&parent), app);
}

}  // namespace lumaro::platform::qt
