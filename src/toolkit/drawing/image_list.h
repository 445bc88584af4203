#pragma once
#include <vector>

#include "toolkit/core/component.h"
#include "toolkit/drawing/icon.h"

namespace lumaro::toolkit {

// An ordered list of same-sized pictures with their masks.
class ImageList : public Component {
 public:
  ImageList(Component* owner, int width = 16, int height = 16)
      : Component(owner), width_(width), height_(height) {}

  int width() const { return width_; }
  int height() const { return height_; }
  int count() const { return static_cast<int>(images_.size()); }
  const Icon& image(int index) const { return images_.at(index); }
  void add(Icon image) { images_.push_back(std::move(image)); }
  void clear() { images_.clear(); }

 private:
  int width_;
  int height_;
  std::vector<Icon> images_;
};

}  // namespace lumaro::toolkit
