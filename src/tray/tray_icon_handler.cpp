#include "tray/tray_icon_handler.h"

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
  tray_.setMouseHandler(
      [this](platform::Tray::IconId id, platform::TrayMouse mouse) { dispatch(id, mouse); });
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

void TTrayIconHandler::dispatch(platform::Tray::IconId id, platform::TrayMouse mouse) {
  auto found = icons_.find(id);
  if (found == icons_.end()) return;
  TCoolTrayIcon* icon = found->second;
  app_.guarded([icon, mouse] { icon->handleMouse(mouse); });
}

void TTrayIconHandler::hostRestarted() {
  auto icons = icons_;  // re-adding must not be disturbed by an icon going away
  for (auto& [id, icon] : icons) app_.guarded([icon = icon] { icon->readd(); });
}

}  // namespace lumaro::tray
