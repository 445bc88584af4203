#pragma once
#include <vector>

#include "toolkit/core/control.h"

namespace lumaro::toolkit {

class PageControl;

// Tabs as folder tabs, or as flat buttons that highlight under the mouse.
enum class TabStyle { Tabs, FlatButtons };

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

  TabStyle tabStyle() const { return tabStyle_; }
  void setTabStyle(TabStyle style);
  // Tabs that do not fit in one row wrap onto further rows.
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool multiLine);

  NotifyEvent OnChange;

 private:
  TabSheet* activePage_ = nullptr;
  TabStyle tabStyle_ = TabStyle::Tabs;
  bool multiLine_ = false;
};

}  // namespace lumaro::toolkit
