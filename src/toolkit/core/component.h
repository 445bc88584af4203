#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace lumaro::toolkit {

// The root of every component: a name and an owner that frees what it owns, last created first.
class Component {
 public:
  explicit Component(Component* owner = nullptr) : owner_(owner) {}
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }
  Component* owner() const { return owner_; }

  // Creates a component owned by this one.
  template <class T, class... Args>
  T& create(Args&&... args) {
    auto owned = std::make_unique<T>(this, std::forward<Args>(args)...);
    T& ref = *owned;
    owned_.push_back(std::move(owned));
    return ref;
  }

  // Frees an owned component now; anything else is left alone.
  void destroyOwned(Component* component);

  // The owned component with this name (case-insensitive), or nullptr.
  Component* findComponent(const std::string& name) const;
  const std::vector<std::unique_ptr<Component>>& components() const { return owned_; }

 protected:
  // Frees every owned component now, last created first. A derived class whose owned components may
  // reach back into it calls this from its destructor, while it is still whole.
  void destroyComponents();

 private:
  Component* owner_;
  std::string name_;
  std::vector<std::unique_ptr<Component>> owned_;
};

}  // namespace lumaro::toolkit
