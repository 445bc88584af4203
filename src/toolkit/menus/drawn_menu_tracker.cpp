#include "toolkit/menus/drawn_menu_tracker.h"

namespace lumaro::toolkit {

namespace {

MenuReaction choose(int index) {
  return {MenuReaction::Kind::Choose, index};
}

}  // namespace

DrawnMenuTracker::DrawnMenuTracker(DrawnMenu& menu, platform::TextService& text)
    : menu_(menu), picture_(menu, text) {}

int DrawnMenuTracker::selectableAt(Point at) const {
  const int index = picture_.itemAt(at);
  return index >= 0 && menu_.selectable(index) ? index : -1;
}

MenuReaction DrawnMenuTracker::select(int index) {
  if (index == selected_) return {};
  selected_ = index;
  return {MenuReaction::Kind::Repaint};
}

MenuReaction DrawnMenuTracker::mouseMoved(Point at) {
  return select(selectableAt(at));
}

MenuReaction DrawnMenuTracker::mouseReleased(Point at) {
  const int chosen = selectableAt(at);
  return chosen >= 0 ? choose(chosen) : MenuReaction{};
}

MenuReaction DrawnMenuTracker::key(MenuKey key) {
  switch (key) {
    case MenuKey::Escape:
      return {MenuReaction::Kind::Close};
    case MenuKey::Down:
      return select(picture_.nextSelectable(selected_, 1));
    case MenuKey::Up:
      return select(picture_.nextSelectable(selected_, -1));
    case MenuKey::Enter:
      return selected_ >= 0 ? choose(selected_) : MenuReaction{};
  }
  return {};
}

MenuReaction DrawnMenuTracker::typed(char32_t character) {
  if (character > 0x7F) return {};
  char key = static_cast<char>(character);
  if (key >= 'A' && key <= 'Z') key = static_cast<char>(key - 'A' + 'a');
  bool unique = false;
  const int found = picture_.itemWithKey(key, selected_, unique);
  if (found < 0) return {};
  return unique ? choose(found) : select(found);
}

void react(MenuWindow& window, MenuReaction reaction) {
  switch (reaction.kind) {
    case MenuReaction::Kind::None:
      return;
    case MenuReaction::Kind::Repaint:
      window.highlightChanged();
      return;
    case MenuReaction::Kind::Close:
      window.dismiss();
      return;
    case MenuReaction::Kind::Choose:
      window.choose(reaction.item);
      return;
  }
}

}  // namespace lumaro::toolkit
