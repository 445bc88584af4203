#include "backends/win32/views/static_views.h"

#include "backends/win32/system/unicode.h"
#include "backends/win32/views/own_window_view.h"
#include "backends/win32/views/view_window.h"

namespace lumaro::platform::win32 {

namespace {

// A static text of the system's class whose text the view draws itself, so that it lies on a painted
// parent without a box of its own colour around it. A label has no control to move the focus to, so
// its access key marks nothing.
class LabelView : public ControlView {
 public:
  LabelView(toolkit::Label& model, ControlView& parent, toolkit::Application& app)
      : ControlView(model, createSystemWindow(L"STATIC", parent.window(), SS_OWNERDRAW | SS_NOTIFY), &parent,
                    app),
        model_(model) {
    forwardMouse();
  }

  std::optional<LRESULT> notification(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_DRAWITEM) return ControlView::notification(message, wParam, lParam);
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    draw(item.hDC, item.rcItem);
    return TRUE;
  }

 protected:
  void apply() override { SetWindowTextW(window(), shownCaption(model_.caption()).c_str()); }

  void applyPlacement() override {
    ControlView::applyPlacement();
    // The model measured with the text service; should the system's fonts need a pixel more, the label
    // still grows rather than cut its text.
    if (!model_.autoSize() || model_.wordWrap() || model_.align() != toolkit::Align::None) return;
    const SIZE needed = textSize();
    const int frame = model_.border() == toolkit::Bevel::None ? 0 : 2;
    const toolkit::Bounds& bounds = model_.bounds();
    if (needed.cx + frame > bounds.width || needed.cy + frame > bounds.height) {
      SetWindowPos(window(), nullptr, 0, 0, std::max<int>(bounds.width, needed.cx + frame),
                   std::max<int>(bounds.height, needed.cy + frame),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }

 private:
  SIZE textSize() const {
    const std::wstring text = shownCaption(model_.caption());
    HDC dc = GetDC(window());
    HGDIOBJ previous = SelectObject(dc, font());
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(window(), dc);
    return {measured.right, measured.bottom};
  }

  // Off screen first: the figures change twice a second and must not flicker.
  void draw(HDC target, const RECT& item) {
    RECT area{0, 0, item.right - item.left, item.bottom - item.top};
    HDC dc = CreateCompatibleDC(target);
    HBITMAP canvas = CreateCompatibleBitmap(target, area.right, area.bottom);
    HGDIOBJ previousCanvas = SelectObject(dc, canvas);
    drawOn(dc, area);
    BitBlt(target, item.left, item.top, area.right, area.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(dc, previousCanvas);
    DeleteObject(canvas);
    DeleteDC(dc);
  }

  void drawOn(HDC dc, RECT area) {
    fillBackground(dc, area);
    if (model_.border() != toolkit::Bevel::None) {
      DrawEdge(dc, &area, model_.border() == toolkit::Bevel::Lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
               BF_RECT | BF_ADJUST);
    }
    const std::wstring text = shownCaption(model_.caption());
    HGDIOBJ previous = SelectObject(dc, font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, model_.enabled() ? toColorRef(model_.font().color) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_TOP | DT_NOPREFIX | (model_.wordWrap() ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, previous);
  }

  toolkit::Label& model_;
};

// The picture is drawn unscaled from the top left corner; its see-through pixels show the parent.
class ImageView : public OwnWindowView {
 public:
  ImageView(toolkit::Image& model, ControlView& parent, toolkit::Application& app)
      : OwnWindowView(model, createOwnWindow(parent.window()), &parent, app), model_(model) {
    forwardMouse();
  }

 protected:
  void paint(HDC dc, const RECT&) override { drawIcon(dc, 0, 0, model_.picture()); }

 private:
  toolkit::Image& model_;
};

class PlainView : public OwnWindowView {
 public:
  PlainView(toolkit::Control& model, ControlView& parent, toolkit::Application& app)
      : OwnWindowView(model, createOwnWindow(parent.window()), &parent, app) {
    forwardMouse();
  }
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::Label& model, ControlView& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<LabelView>(model, parent, app);
}

std::unique_ptr<ControlView> makeView(toolkit::Image& model, ControlView& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<ImageView>(model, parent, app);
}

std::unique_ptr<ControlView> makeView(toolkit::Control& model, ControlView& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<PlainView>(model, parent, app);
}

}  // namespace lumaro::platform::win32
