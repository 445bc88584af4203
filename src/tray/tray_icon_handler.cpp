#include "tray/tray_icon_handler.h"

#include <algorithm>

#include "tray/cool_tray_icon.h"

namespace lumaro::tray {

namespace {
// One handler per tray service; weak so that the last icon frees it.
std::map<platform::Tray*, std::weak_ptr<TTrayIconHandler>>& handlers() {
  static std::map<platform::Tray*, std::weak_ptr<TTrayIconHandler>> all;
  return all;
}
}  // namespace

std::shared_ptr<TTrayIconHandler> TTrayIconHandler::acquire(platform::Tray& tray, toolkit::Application& app) {
  auto& slot = handlers()[&tray];
  if (auto existing = slot.lock()) return existing;
  std::shared_ptr<TTrayIconHandler> made(new TTrayIconHandler(tray, app));
  slot = made;
  return made;
}

TTrayIconHandler::TTrayIconHandler(platform::Tray& tray, toolkit::Application& app) : tray_(tray), app_(app) {
  tray_.setMouseHandler([this](platform::Tray::IconId, platform::TrayMouse mouse) { dispatch(mouse); });
  tray_.setHostRestartedHandler([this] { hostRestarted(); });
}

TTrayIconHandler::~TTrayIconHandler() {
  tray_.setMouseHandler(nullptr);
  tray_.setHostRestartedHandler(nullptr);
  handlers().erase(&tray_);
}

platform::Tray::IconId TTrayIconHandler::enroll(TCoolTrayIcon& icon) {
  const platform::Tray::IconId id = nextId_++;
  icons_[id] = &icon;
  return id;
}

void TTrayIconHandler::withdraw(platform::Tray::IconId icon) {
  hide(icon);
  icons_.erase(icon);
}

std::vector<TTrayIconHandler::Shown>::iterator TTrayIconHandler::findShown(platform::Tray::IconId icon) {
  return std::find_if(shown_.begin(), shown_.end(),
                      [icon](const Shown& shown) { return shown.icon == icon; });
}

void TTrayIconHandler::show(platform::Tray::IconId icon, const platform::TrayImage& image,
                            const std::string& tip) {
  if (auto found = findShown(icon); found != shown_.end()) shown_.erase(found);
  shown_.push_back({icon, image, tip});
  present();
}

void TTrayIconHandler::update(platform::Tray::IconId icon, const platform::TrayImage& image,
                              const std::string& tip) {
  auto found = findShown(icon);
  if (found == shown_.end()) return;
  found->image = image;
  found->tip = tip;
  if (icon == shown_.back().icon) present();
}

void TTrayIconHandler::hide(platform::Tray::IconId icon) {
  auto found = findShown(icon);
  if (found == shown_.end()) return;
  const bool seen = icon == shown_.back().icon;
  shown_.erase(found);
  if (seen) present();
}

void TTrayIconHandler::present() {
  if (shown_.empty()) {
    if (entryAdded_) tray_.remove(kEntry);
    entryAdded_ = false;
    return;
  }
  const Shown& seen = shown_.back();
  if (entryAdded_) {
    tray_.modify(kEntry, seen.image, seen.tip);
  } else {
    // A tray without a host keeps the entry and shows it when one comes (reported as a restart).
    tray_.add(kEntry, seen.image, seen.tip);
    entryAdded_ = true;
  }
}

void TTrayIconHandler::dispatch(platform::TrayMouse mouse) {
  if (shown_.empty()) return;  // a report that came after the entry left
  const auto found = icons_.find(shown_.back().icon);
  if (found == icons_.end()) return;
  TCoolTrayIcon* icon = found->second;
  app_.guarded([icon, mouse] { icon->handleMouse(mouse); });
}

// The new host starts empty: the entry goes in again with the picture it showed.
void TTrayIconHandler::hostRestarted() {
  entryAdded_ = false;
  if (!shown_.empty()) present();
}

}  // namespace lumaro::tray
