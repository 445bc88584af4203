#include "toolkit/controls/page_control.h"

#include <algorithm>

namespace lumaro::toolkit {

std::vector<TabSheet*> PageControl::pages() const {
  std::vector<TabSheet*> result;
  for (Control* child : children()) {
    if (auto* page = dynamic_cast<TabSheet*>(child)) result.push_back(page);
  }
  return result;
}

void PageControl::setActivePage(TabSheet* page) {
  if (page == activePage_) return;
  if (page != nullptr && page->parent() != this) return;
  activePage_ = page;
  changed();
}

int PageControl::activePageIndex() const {
  const auto all = pages();
  auto found = std::find(all.begin(), all.end(), activePage_);
  return found == all.end() ? -1 : static_cast<int>(found - all.begin());
}

void PageControl::userSelectPage(TabSheet* page) {
  if (page == activePage_) return;
  setActivePage(page);
  OnChange(*this);
}

void PageControl::setTabStyle(TabStyle style) {
  if (style == tabStyle_) return;
  tabStyle_ = style;
  changed();
}

void PageControl::setMultiLine(bool multiLine) {
  if (multiLine == multiLine_) return;
  multiLine_ = multiLine;
  changed();
}

}  // namespace lumaro::toolkit
