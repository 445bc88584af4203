#pragma once
#include <windows.h>

#include <string>

#include "backends/shared/screen_density.h"
#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/color.h"
#include "toolkit/drawing/font.h"
#include "toolkit/drawing/icon.h"

namespace lumaro::platform::win32 {

// A GDI object (font, brush, region) deleted with its holder.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(other.release()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = other.release();
    }
    return *this;
  }
  Handle get() const { return handle_; }
  Handle release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

// The RGB value a colour is drawn in; system colours take the toolkit's scheme (the user's, see
// followUserColors), like the painted controls beside them.
COLORREF toColorRef(toolkit::Color color);

// The font the toolkit describes, at the screen's density: its height is the characters' height in
// logical pixels. The same font the text service measures and draws with.
GdiObject<HFONT> createFont(const toolkit::Font& font, ScreenDensity density);

// A caption as a window without a keyboard target shows it: "&" marks nothing, "&&" is one "&".
std::wstring shownCaption(const std::string& caption);

// Copies the bitmap's pixels (0x00RRGGBB, the layout of a 32-bit top-down DIB) to the device, scaled
// to fill `target` pixel by pixel (nearestScaled): sharp on a dense screen.
void drawBitmap(HDC dc, const RECT& target, const toolkit::Bitmap& bitmap);
// Draws the icon's opaque pixels over what the device shows, scaled the same way.
void drawIcon(HDC dc, const RECT& target, const toolkit::Icon& icon);

}  // namespace lumaro::platform::win32
