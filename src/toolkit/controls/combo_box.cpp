#include "toolkit/controls/combo_box.h"

#include <algorithm>

namespace lumaro::toolkit {

void ComboBox::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  changed();
}

void ComboBox::setItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
  itemIndex_ = index;
  if (index >= 0) {
    text_ = items_[index];
  } else if (style_ == ComboStyle::DropDownList) {
    text_.clear();
  }
  changed();
}

void ComboBox::setText(std::string text) {
  auto found = std::find(items_.begin(), items_.end(), text);
  itemIndex_ = found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
  text_ = std::move(text);
  changed();
}

void ComboBox::setStyle(ComboStyle style) {
  style_ = style;
  changed();
}

void ComboBox::userSelect(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  setItemIndex(index);
  OnClick(*this);
  OnChange(*this);
}

char ComboBox::userKeyPress(char key) {
  OnKeyPress(*this, key);
  return key;
}

void ComboBox::userEdit(std::string text) {
  if (style_ == ComboStyle::DropDownList || text == text_) return;
  setText(std::move(text));
  OnChange(*this);
}

}  // namespace lumaro::toolkit
