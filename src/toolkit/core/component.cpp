#include "toolkit/core/component.h"

#include <algorithm>

#include "toolkit/drawing/text.h"

namespace lumaro::toolkit {

Component::~Component() {
  destroyComponents();
}

void Component::destroyComponents() {
  while (!owned_.empty()) {
    auto last = std::move(owned_.back());
    owned_.pop_back();
    last.reset();
  }
}

void Component::destroyOwned(Component* component) {
  auto found =
      std::find_if(owned_.begin(), owned_.end(), [component](const auto& c) { return c.get() == component; });
  if (found == owned_.end()) return;
  auto doomed = std::move(*found);
  owned_.erase(found);
}

Component* Component::findComponent(const std::string& name) const {
  for (const auto& c : owned_) {
    if (sameText(c->name(), name)) return c.get();
  }
  return nullptr;
}

}  // namespace lumaro::toolkit
