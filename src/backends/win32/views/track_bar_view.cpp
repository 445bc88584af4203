#include "backends/win32/views/track_bar_view.h"

#include <commctrl.h>

#include "backends/win32/views/view_window.h"

namespace lumaro::platform::win32 {

namespace {

constexpr DWORD kShapeStyles = TBS_VERT | TBS_NOTICKS | TBS_AUTOTICKS | TBS_BOTH | TBS_LEFT | TBS_FIXEDLENGTH;

// A vertical track bar has its minimum at the top, as the model's has.
class TrackBarView : public ControlView {
 public:
  TrackBarView(toolkit::TrackBar& model, ControlView& parent, toolkit::Application& app)
      : ControlView(model, createSystemWindow(TRACKBAR_CLASSW, parent.window(), WS_TABSTOP | TBS_FIXEDLENGTH),
                    &parent, app),
        model_(model) {}

  std::optional<LRESULT> notification(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_HSCROLL && message != WM_VSCROLL)
      return ControlView::notification(message, wParam, lParam);
    const auto position = static_cast<int>(SendMessageW(window(), TBM_GETPOS, 0, 0));
    if (!refreshing() && position != model_.position()) userAction([&] { model_.setPosition(position); });
    return 0;
  }

 protected:
  void apply() override {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_STYLE));
    DWORD wanted = (style & ~kShapeStyles) | TBS_FIXEDLENGTH;
    if (model_.orientation() == toolkit::Orientation::Vertical) wanted |= TBS_VERT;
    wanted |= model_.tickStyle() == toolkit::TickStyle::None ? TBS_NOTICKS : TBS_AUTOTICKS;
    if (style != wanted) SetWindowLongPtrW(window(), GWL_STYLE, static_cast<LONG_PTR>(wanted));
    SendMessageW(window(), TBM_SETRANGEMIN, FALSE, model_.min());
    SendMessageW(window(), TBM_SETRANGEMAX, FALSE, model_.max());
    SendMessageW(window(), TBM_SETTICFREQ, static_cast<WPARAM>(model_.frequency()), 0);
    SendMessageW(window(), TBM_SETPAGESIZE, 0, model_.pageSize());
    SendMessageW(window(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(model_.thumbLength()), 0);
    SendMessageW(window(), TBM_SETPOS, TRUE, model_.position());
  }

 private:
  toolkit::TrackBar& model_;
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::TrackBar& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit) {
  return std::make_unique<TrackBarView>(model, parent, app);
}

}  // namespace lumaro::platform::win32
