#include "backends/win32/views/container_views.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "backends/win32/system/unicode.h"
#include "backends/win32/views/own_window_view.h"
#include "backends/win32/views/view_window.h"

namespace lumaro::platform::win32 {

namespace {

// A panel draws its bevel and its caption (centred, or at the left); presses and clicks on it reach
// the model.
class PanelView : public OwnWindowView {
 public:
  PanelView(toolkit::Panel& model, ControlView& parent, toolkit::Application& app)
      : OwnWindowView(model, createOwnWindow(parent.window()), &parent, app), model_(model) {
    forwardMouse();
  }

  RECT contentRect() const override {
    RECT inside = OwnWindowView::contentRect();
    const int frame = model_.bevelOuter() == toolkit::Bevel::None ? 0 : model_.bevelWidth();
    InflateRect(&inside, -frame, -frame);
    return inside;
  }

 protected:
  void paint(HDC dc, const RECT& client) override {
    RECT inside = client;
    if (model_.bevelOuter() != toolkit::Bevel::None) {
      const UINT edge = model_.bevelOuter() == toolkit::Bevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER;
      for (int i = 0; i < model_.bevelWidth(); ++i) DrawEdge(dc, &inside, edge, BF_RECT | BF_ADJUST);
    }
    const std::wstring caption = shownCaption(model_.caption());
    if (caption.empty()) return;
    HGDIOBJ previous = SelectObject(dc, font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColor());
    const UINT place = model_.captionLeft() ? DT_LEFT : DT_CENTER;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &inside,
              place | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
  }

 private:
  toolkit::Panel& model_;
};

class TabSheetView;

// Tabs of the common controls over the pages; only the chosen page's window is shown. The system has
// no hidden tabs: a hidden page simply has no tab.
class PageControlView : public ControlView {
 public:
  PageControlView(toolkit::PageControl& model, ControlView& parent, toolkit::Application& app)
      : ControlView(model,
                    createSystemWindow(WC_TABCONTROLW, parent.window(),
                                       WS_TABSTOP | WS_CLIPCHILDREN | TCS_OWNERDRAWFIXED),
                    &parent, app),
        model_(model) {}

  std::optional<LRESULT> message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SIZE && window == this->window()) {
      // The tab control lays its rows out for the new width first; the pages then go below them.
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      ControlView::message(window, message, wParam, lParam);
      showPages();
      return result;
    }
    return ControlView::message(window, message, wParam, lParam);
  }

  std::optional<LRESULT> notification(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DRAWITEM) {
      drawTab(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    }
    if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != TCN_SELCHANGE)
      return ControlView::notification(message, wParam, lParam);
    const auto index = static_cast<std::size_t>(SendMessageW(window(), TCM_GETCURSEL, 0, 0));
    if (!refreshing() && index < tabs_.size()) userAction([&] { model_.userSelectPage(tabs_[index]); });
    showPages();
    return 0;
  }

  // Brings the tabs up to date with the pages' captions and visibility, and selects the model's page.
  void syncTabs() {
    std::vector<toolkit::TabSheet*> tabs;
    std::vector<std::string> captions;
    for (toolkit::TabSheet* page : model_.pages()) {
      if (!page->visible()) continue;
      tabs.push_back(page);
      captions.push_back(page->caption());
    }
    if (tabs != tabs_ || captions != captions_) {
      SendMessageW(window(), TCM_DELETEALLITEMS, 0, 0);
      for (std::size_t i = 0; i < tabs.size(); ++i) {
        std::wstring text = widen(captions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(window(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
      }
      tabs_ = std::move(tabs);
      captions_ = std::move(captions);
    }
    const auto active = std::find(tabs_.begin(), tabs_.end(), model_.activePage());
    // Without a page chosen by the model the first tab shows, which is no user's choice.
    const auto index = active != tabs_.end() ? active - tabs_.begin() : 0;
    SendMessageW(window(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    showPages();
  }

  void addPage(ControlView& page) { pages_.push_back(&page); }

 protected:
  void apply() override {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_STYLE));
    constexpr DWORD kTabStyles = TCS_BUTTONS | TCS_FLATBUTTONS | TCS_HOTTRACK | TCS_MULTILINE;
    DWORD wanted = style & ~kTabStyles;
    if (model_.tabStyle() == toolkit::TabStyle::FlatButtons)
      wanted |= TCS_BUTTONS | TCS_FLATBUTTONS | TCS_HOTTRACK;
    if (model_.multiLine()) wanted |= TCS_MULTILINE;
    if (style != wanted) SetWindowLongPtrW(window(), GWL_STYLE, static_cast<LONG_PTR>(wanted));
    syncTabs();
  }

  // The tabs' rows follow the new width: the pages go below them.
  void applyPlacement() override {
    ControlView::applyPlacement();
    showPages();
  }

 private:
  // The tab's inside in the face colour and its caption in a colour that stands out on it: the system
  // would draw a chosen button tab in a light pattern that hides a light scheme text colour.
  void drawTab(const DRAWITEMSTRUCT& item) {
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, backgroundBrush());
    const auto index = static_cast<std::size_t>(item.itemID);
    if (index >= captions_.size()) return;
    const std::wstring caption = shownCaption(captions_[index]);
    HGDIOBJ previous = SelectObject(item.hDC, font());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, textColor());
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, previous);
  }

  void showPages() {
    RECT display{};
    GetClientRect(window(), &display);
    SendMessageW(window(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const auto index = static_cast<std::size_t>(SendMessageW(window(), TCM_GETCURSEL, 0, 0));
    toolkit::TabSheet* shown = index < tabs_.size() ? tabs_[index] : nullptr;
    for (ControlView* page : pages_) {
      SetWindowPos(page->window(), nullptr, display.left, display.top, display.right - display.left,
                   display.bottom - display.top, SWP_NOZORDER | SWP_NOACTIVATE);
      ShowWindow(page->window(), &page->control() == shown ? SW_SHOWNA : SW_HIDE);
    }
  }

  toolkit::PageControl& model_;
  std::vector<ControlView*> pages_;
  std::vector<toolkit::TabSheet*> tabs_;
  std::vector<std::string> captions_;
};

// A page is placed by its page control: the model's caption and visibility go to its tab.
class TabSheetView : public OwnWindowView {
 public:
  TabSheetView(toolkit::TabSheet& model, PageControlView& pages, toolkit::Application& app)
      : OwnWindowView(model, createOwnWindow(pages.window()), &pages, app), pages_(pages) {
    pages_.addPage(*this);
  }

 protected:
  void applyPlacement() override {
    EnableWindow(window(), control().enabled() ? TRUE : FALSE);
    pages_.syncTabs();
  }

 private:
  PageControlView& pages_;
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::Panel& model, ControlView& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<PanelView>(model, parent, app);
}

std::unique_ptr<ControlView> makeView(toolkit::PageControl& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit) {
  return std::make_unique<PageControlView>(model, parent, app);
}

std::unique_ptr<ControlView> makeView(toolkit::TabSheet& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit) {
  auto* pageControl = dynamic_cast<PageControlView*>(&parent);
  if (pageControl == nullptr) return nullptr;
  return std::make_unique<TabSheetView>(model, *pageControl, app);
}

}  // namespace lumaro::platform::win32
