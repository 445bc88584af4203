#include "backends/linux/views/accessible_menu.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>
#include <vector>

#include "backends/linux/views/view_convert.h"

namespace lumaro::platform::linuxos {

namespace {

// The open menus, by the popup that shows them.
QHash<const QObject*, const toolkit::DrawnMenuTracker*>& openMenus() {
  static QHash<const QObject*, const toolkit::DrawnMenuTracker*> menus;
  return menus;
}

// One item; it asks the menu at every question and is gone with the menu's interface.
class AccessibleItem : public QAccessibleInterface {
 public:
  AccessibleItem(QAccessibleInterface& menu, int index) : menu_(menu), index_(index) {}

  bool isValid() const override { return tracker() != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return menu_.window(); }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return &menu_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text kind) const override {
    const toolkit::DrawnMenuTracker* menu = tracker();
    return menu != nullptr && kind == QAccessible::Name ? toQString(menu->menu().itemText(index_))
                                                        : QString();
  }
  QRect rect() const override {
    const toolkit::DrawnMenuTracker* menu = tracker();
    if (menu == nullptr) return {};
    const toolkit::Rect& item = menu->itemRect(index_);
    const QRect popup = menu_.rect();
    return {popup.x() + item.left, popup.y() + item.top, item.right - item.left, item.bottom - item.top};
  }
  QAccessible::Role role() const override {
    const toolkit::DrawnMenuTracker* menu = tracker();
    return menu != nullptr && menu->menu().selectable(index_) ? QAccessible::MenuItem
                                                              : QAccessible::Separator;
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    const toolkit::DrawnMenuTracker* menu = tracker();
    if (menu == nullptr) return state;
    state.focusable = menu->menu().selectable(index_);
    state.focused = menu->selected() == index_;
    state.invisible = !state.focusable && menu->itemRect(index_).bottom == menu->itemRect(index_).top;
    return state;
  }

 private:
  const toolkit::DrawnMenuTracker* tracker() const {
    QObject* popup = menu_.object();
    return popup != nullptr ? openMenus().value(popup, nullptr) : nullptr;
  }

  QAccessibleInterface& menu_;
  const int index_;
};

// The popup: a menu whose children are its items, the highlighted one holding the focus.
class AccessiblePopup : public QAccessibleWidget {
 public:
  AccessiblePopup(QWidget* popup, const toolkit::DrawnMenuTracker& tracker)
      : QAccessibleWidget(popup, QAccessible::PopupMenu) {
    for (int index = 0; index < tracker.menu().itemCount(); ++index) {
      auto* item = new AccessibleItem(*this, index);
      items_.push_back(QAccessible::registerAccessibleInterface(item));
    }
  }
  ~AccessiblePopup() override {
    for (QAccessible::Id id : items_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return static_cast<int>(items_.size()); }
  QAccessibleInterface* child(int index) const override {
    return index >= 0 && index < childCount() ? QAccessible::accessibleInterface(items_[index]) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int index = 0; index < childCount(); ++index) {
      if (QAccessible::accessibleInterface(items_[index]) == child) return index;
    }
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    const toolkit::DrawnMenuTracker* tracker = openMenus().value(object(), nullptr);
    return tracker != nullptr ? child(tracker->selected()) : nullptr;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int index = 0; index < childCount(); ++index) {
      if (child(index)->rect().contains(x, y)) return child(index);
    }
    return nullptr;
  }

 private:
  std::vector<QAccessible::Id> items_;
};

QAccessibleInterface* menuOnScreen(const QString&, QObject* object) {
  const toolkit::DrawnMenuTracker* tracker = openMenus().value(object, nullptr);
  return tracker != nullptr ? new AccessiblePopup(static_cast<QWidget*>(object), *tracker) : nullptr;
}

}  // namespace

AccessibleMenu::AccessibleMenu(QWidget& popup, const toolkit::DrawnMenuTracker& tracker) : popup_(popup) {
  static const bool installed = [] {
    QAccessible::installFactory(menuOnScreen);
    return true;
  }();
  (void)installed;
  openMenus().insert(&popup_, &tracker);
}

AccessibleMenu::~AccessibleMenu() {
  openMenus().remove(&popup_);
}

void AccessibleMenu::highlightChanged() {
  QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(&popup_);
  QAccessibleInterface* item = menu != nullptr ? menu->focusChild() : nullptr;
  if (item == nullptr) return;
  QAccessibleEvent event(item, QAccessible::Focus);
  QAccessible::updateAccessibility(&event);
}

}  // namespace lumaro::platform::linuxos
