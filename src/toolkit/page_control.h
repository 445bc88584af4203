#pragma once
#include <vector>

#include "toolkit/control.h"

namespace lumaro::toolkit {

class PageControl;

// One page of a page control.
class TabSheet : public WinControl {
 public:
  using WinControl::WinControl;
};

// Pages with tabs; exactly one page is active. A page chosen by the user runs OnChange; a page set
// from code does not.
class PageControl : public WinControl {
 public:
  using WinControl::WinControl;

  // Pages are the tab sheets among the children, in order.
  std::vector<TabSheet*> pages() const;
  TabSheet* activePage() const { return activePage_; }
  void setActivePage(TabSheet* page);
  int activePageIndex() const;
  void userSelectPage(TabSheet* page);

  NotifyEvent OnChange;

 private:
  TabSheet* activePage_ = nullptr;
};

}  // namespace lumaro::toolkit
