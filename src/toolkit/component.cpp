#include "toolkit/component.h"

#include "toolkit/text.h"

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

Component* Component::findComponent(const std::string& name) const {
  for (const auto& c : owned_) {
    if (sameText(c->name(), name)) return c.get();
  }
  return nullptr;
}

}  // namespace lumaro::toolkit
