#include "backends/fake/fake_tray.h"

namespace lumaro::platform::fake {

bool FakeTray::add(IconId id, const TrayImage& image, const std::string& tip) {
  operations.push_back("add " + std::to_string(id));
  icons[id] = Shown{image, tip};
  return true;
}

bool FakeTray::modify(IconId id, const TrayImage& image, const std::string& tip) {
  operations.push_back("modify " + std::to_string(id));
  auto found = icons.find(id);
  if (found == icons.end()) return false;
  found->second = Shown{image, tip};
  return true;
}

void FakeTray::remove(IconId id) {
  operations.push_back("remove " + std::to_string(id));
  icons.erase(id);
}

void FakeTray::setMenu(IconId id, TrayMenu menu) {
  if (menu.items) {
    menus[id] = std::move(menu);
  } else {
    menus.erase(id);
  }
}

void FakeTray::restartHost() {
  icons.clear();  // the new host starts empty
  if (restarted_) restarted_();
}

}  // namespace lumaro::platform::fake
