#include "backends/win32/views/static_views.h"

#include "backends/win32/desktop/text_service.h"
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

  void paintSeenThrough(HDC dc) override {
    RECT area{};
    GetClientRect(window(), &area);
    if (model_.border() != toolkit::Bevel::None) InflateRect(&area, -1, -1);
    drawCaption(dc, area);
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
    // The model measured in logical pixels; the font at the screen's density may need a pixel more,
    // and the ink of the last glyph may run past its advance: the label grows rather than cut its text.
    if (!model_.autoSize() || model_.wordWrap() || model_.align() != toolkit::Align::None) return;
    const SIZE needed = textSize();
    const int frame = model_.border() == toolkit::Bevel::None ? 0 : 2;
    const RECT placed = placedRect();
    const int width = placed.right - placed.left;
    const int height = placed.bottom - placed.top;
    if (needed.cx + frame > width || needed.cy + frame > height) {
      SetWindowPos(window(), nullptr, 0, 0, std::max<int>(width, needed.cx + frame),
                   std::max<int>(height, needed.cy + frame), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }

 private:
  // The caption's box in the label's font: its advance and cell, and the ink beyond the advance.
  SIZE textSize() const {
    const std::wstring text = shownCaption(model_.caption());
    HDC dc = GetDC(window());
    HGDIOBJ previous = SelectObject(dc, font());
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int overhang = inkOverhang(dc, text);
    SelectObject(dc, previous);
    ReleaseDC(window(), dc);
    return {measured.right + overhang, measured.bottom};
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
    drawCaption(dc, area);
  }

  // Only the glyphs: what lies beneath shows between them, as on a see-through sibling above.
  void drawCaption(HDC dc, RECT area) {
    const std::wstring text = shownCaption(model_.caption());
    HGDIOBJ previous = SelectObject(dc, font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, model_.enabled() ? textColor() : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_TOP | DT_NOPREFIX | (model_.wordWrap() ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, previous);
  }

  toolkit::Label& model_;
};

// The picture is drawn from the top left corner, scaled by the screen's density; its see-through pixels show
// the parent.
class ImageView : public OwnWindowView {
 public:
  ImageView(toolkit::Image& model, ControlView& parent, toolkit::Application& app)
      : OwnWindowView(model, createOwnWindow(parent.window()), &parent, app), model_(model) {
    forwardMouse();
  }

 protected:
  void paint(HDC dc, const RECT&) override {
    const toolkit::Icon& picture = model_.picture();
    const ScreenDensity screen = density();
    drawIcon(dc, {0, 0, screen.toDevice(picture.image.width()), screen.toDevice(picture.image.height())},
             picture);
  }

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
