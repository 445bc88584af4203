#include "tray/cool_tray_icon.h"

#include <algorithm>

#include "toolkit/core/form.h"
#include "tray/tray_icon_handler.h"

namespace lumaro::tray {

using platform::TrayMouse;

namespace {

// The first `count` characters of UTF-8 text, never cutting a character in two.
std::string firstCharacters(const std::string& text, int count) {
  std::size_t end = 0;
  for (int taken = 0; end < text.size() && taken < count; ++taken) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return text.substr(0, end);
}

// The icon as the tray takes it, into `out`, whose buffer is reused.
void fillTrayImage(const toolkit::Icon& icon, platform::TrayImage& out) {
  const toolkit::Bitmap& image = icon.image;
  out.width = image.width();
  out.height = image.height();
  out.argb.resize(image.pixels().size());
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      out.argb[static_cast<std::size_t>(y) * image.width() + x] =
          icon.isTransparent(x, y) ? 0u : 0xFF000000u | image.pixel(x, y);
    }
  }
}

}  // namespace

TCoolTrayIcon::TCoolTrayIcon(toolkit::Component* owner, toolkit::Application& app, platform::Tray& tray)
    : Component(owner), app_(app), tray_(tray), handler_(TTrayIconHandler::acquire(tray, app)) {
  id_ = handler_->enroll(*this);
  const auto makeTimer = [this](std::uint32_t interval, auto onTimer) {
    toolkit::Timer& timer = create<toolkit::Timer>(app_);
    timer.setEnabled(false);
    timer.setInterval(interval);
    timer.OnTimer = [this, onTimer](toolkit::Component&) { (this->*onTimer)(); };
    return &timer;
  };
  cycleTimer_ = makeTimer(cycleInterval_, &TCoolTrayIcon::cycleTick);
  clickTimer_ = makeTimer(tray_.doubleClickTimeMs(), &TCoolTrayIcon::clickTimerExpired);
  pollTimer_ = makeTimer(kPollIntervalMs, &TCoolTrayIcon::pollPointer);
  if (auto* form = dynamic_cast<toolkit::Form*>(owner)) {
    minimizeHook_ = form->addMinimizeHook([this] {
      if (!minimizeToTray_) return;
      HideToTray();
      setIconVisible(true);
    });
  }
}

TCoolTrayIcon::~TCoolTrayIcon() {
  if (auto* form = dynamic_cast<toolkit::Form*>(owner()); form != nullptr && minimizeHook_ != 0) {
    form->removeMinimizeHook(minimizeHook_);
  }
  handler_->withdraw(id_);
  // Last, once the icon has left the tray: taking the menu from an icon still shown registers it anew.
  if (popupMenu_ != nullptr) tray_.setMenu(TTrayIconHandler::kEntry, {});
}

std::string TCoolTrayIcon::tip() const {
  return !hint_.empty() && showHint_ ? firstCharacters(hint_, kTipLength) : std::string();
}

const platform::TrayImage& TCoolTrayIcon::trayImage() {
  fillTrayImage(icon_, trayImage_);
  return trayImage_;
}

void TCoolTrayIcon::modifyInTray() {
  if (iconVisible_) handler_->update(id_, trayImage(), tip());
}

void TCoolTrayIcon::setHint(std::string hint) {
  if (hint == hint_) return;  // set at every tick: an unchanged tip is not pushed again
  hint_ = std::move(hint);
  modifyInTray();
}

void TCoolTrayIcon::setShowHint(bool show) {
  showHint_ = show;
  modifyInTray();
}

void TCoolTrayIcon::setIcon(toolkit::Icon icon) {
  icon_ = std::move(icon);
  modifyInTray();
}

void TCoolTrayIcon::swapIcon(toolkit::Icon& icon) {
  if (icon == icon_) return;
  std::swap(icon, icon_);
  modifyInTray();
}

void TCoolTrayIcon::setIconVisible(bool visible) {
  if (visible == iconVisible_) return;
  iconVisible_ = visible;
  if (visible) {
    handler_->show(id_, trayImage(), tip());
  } else {
    handler_->hide(id_);
  }
}

void TCoolTrayIcon::setIconList(toolkit::ImageList* list) {
  iconList_ = list;
  setIconIndex(0);
}

void TCoolTrayIcon::setIconIndex(int index) {
  if (iconList_ == nullptr || iconList_->count() == 0) {
    iconIndex_ = 0;
    return;
  }
  iconIndex_ = std::clamp(index, 0, iconList_->count() - 1);
  setIcon(iconList_->image(iconIndex_));
}

void TCoolTrayIcon::setCycleIcons(bool cycle) {
  cycleIcons_ = cycle;
  if (cycle) {
    setIconIndex(0);
    cycleTimer_->setInterval(cycleInterval_);
  }
  cycleTimer_->setEnabled(cycle);
}

void TCoolTrayIcon::setCycleInterval(std::uint32_t interval) {
  cycleInterval_ = interval;
  setCycleIcons(cycleIcons_);
}

void TCoolTrayIcon::setWantEnterExitEvents(bool want) {
  wantEnterExit_ = want;
  pollTimer_->setEnabled(want);
}

void TCoolTrayIcon::cycleTick() {
  const int count = iconList_ != nullptr ? iconList_->count() : 0;
  if (iconIndex_ < count) setIcon(iconList_->image(iconIndex_));
  OnCycle(*this, iconIndex_ < count ? iconIndex_ + 1 : 0);
  setIconIndex(iconIndex_ + 1 < count ? iconIndex_ + 1 : 0);
}

void TCoolTrayIcon::handleMouse(TrayMouse mouse) {
  if (!enabled_) return;
  const platform::ShiftState shift = tray_.shiftState();
  const platform::ScreenPoint at = tray_.cursorPosition().value_or(platform::ScreenPoint{});
  switch (mouse) {
    case TrayMouse::Move:
      if (wantEnterExit_ && cursorOutside_) {
        OnMouseEnter(*this);
        cursorOutside_ = false;
      }
      OnMouseMove(*this, shift, at.x, at.y);
      lastPosition_ = at;
      break;
    case TrayMouse::LeftDown:
      // A press while the timer runs is the second half of a double click: the time counts from the
      // first press, so the held-back click never waits longer than the double-click time.
      if (OnDblClick && !clickTimer_->enabled()) clickTimer_->setEnabled(true);
      OnMouseDown(*this, TrayButton::Left, shift, at.x, at.y);
      buttonDown_ = true;
      if (leftPopup_) openMenu();
      break;
    case TrayMouse::LeftUp:
      if (buttonDown_) clickReady_ = true;
      if (buttonDown_ && !clickTimer_->enabled()) {
        buttonDown_ = false;
        clickReady_ = false;
        OnClick(*this);
      }
      buttonDown_ = false;
      OnMouseUp(*this, TrayButton::Left, shift, at.x, at.y);
      break;
    case TrayMouse::LeftDoubleClick:
      clickReady_ = false;
      doubleClicked_ = true;
      OnDblClick(*this);
      if (popupMenu_ != nullptr && popupMenu_->autoPopup && !leftPopup_) {
        if (toolkit::MenuItem* item = popupMenu_->defaultItem()) item->click();
      }
      break;
    case TrayMouse::RightDown:
      OnMouseDown(*this, TrayButton::Right, shift, at.x, at.y);
      openMenu();
      break;
    case TrayMouse::RightUp:
      OnMouseUp(*this, TrayButton::Right, shift, at.x, at.y);
      break;
    case TrayMouse::MiddleDown:
      OnMouseDown(*this, TrayButton::Middle, shift, at.x, at.y);
      break;
    case TrayMouse::MiddleUp:
      OnMouseUp(*this, TrayButton::Middle, shift, at.x, at.y);
      break;
  }
}

void TCoolTrayIcon::clickTimerExpired() {
  clickTimer_->setEnabled(false);
  if (!doubleClicked_ && clickReady_) {
    clickReady_ = false;
    OnClick(*this);
  }
  doubleClicked_ = false;
}

void TCoolTrayIcon::pollPointer() {
  const auto at = tray_.cursorPosition();
  if (!cursorOutside_ && at && *at != lastPosition_) {
    cursorOutside_ = true;
    OnMouseExit(*this);
  }
}

void TCoolTrayIcon::setPopupMenu(toolkit::PopupMenu* menu) {
  popupMenu_ = menu;
  if (menu == nullptr) {
    tray_.setMenu(TTrayIconHandler::kEntry, {});
    return;
  }
  tray_.setMenu(TTrayIconHandler::kEntry,
                {[this] { return menuItems(); }, [this](std::size_t index) { chooseMenuItem(index); }});
}

std::vector<platform::TrayMenuItem> TCoolTrayIcon::menuItems() const {
  std::vector<platform::TrayMenuItem> items;
  if (popupMenu_ == nullptr) return items;
  const toolkit::ImageList* images = popupMenu_->images();
  for (const toolkit::MenuItem* item : popupMenu_->items()) {
    platform::TrayMenuItem& made = items.emplace_back();
    made.separator = item->isSeparator();
    made.visible = item->visible;
    if (made.separator) continue;
    made.caption = item->caption;
    made.enabled = item->enabled;
    made.checked = item->checked;
    if (images != nullptr && item->imageIndex >= 0 && item->imageIndex < images->count()) {
      fillTrayImage(images->image(item->imageIndex), made.image);
    }
  }
  return items;
}

// As a choice in the drawn menu: inside the application's guard, and only for an item still there.
void TCoolTrayIcon::chooseMenuItem(std::size_t index) {
  app_.guarded([this, index] {
    if (popupMenu_ == nullptr || index >= popupMenu_->items().size()) return;
    popupMenu_->popupComponent = this;
    popupMenu_->items()[index]->click();
  });
}

void TCoolTrayIcon::openMenu() {
  if (popupMenu_ == nullptr || !popupMenu_->autoPopup) return;
  const auto at = tray_.cursorPosition();
  if (!at) return;
  app_.processMessages();
  popupMenu_->popupComponent = this;
  popupMenu_->popup(at->x, at->y);
}

toolkit::Form* TCoolTrayIcon::mainFormOfOwner() const {
  if (dynamic_cast<toolkit::Form*>(owner()) == nullptr) return nullptr;
  return app_.mainForm();
}

void TCoolTrayIcon::RestoreFromTray() {
  toolkit::Form* main = mainFormOfOwner();
  if (main == nullptr) return;
  if (main->windowState() == toolkit::WindowState::Minimized)
    main->setWindowState(toolkit::WindowState::Normal);
  main->show();
  main->bringToFront();
}

void TCoolTrayIcon::HideToTray() {
  if (toolkit::Form* main = mainFormOfOwner()) main->hide();
}

}  // namespace lumaro::tray
