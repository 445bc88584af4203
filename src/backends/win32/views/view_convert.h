#pragma once
#include <windows.h>

#include <string>

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

// The RGB value a colour is drawn in; system colours take the toolkit's classic scheme, like the
// painted controls beside them.
COLORREF toColorRef(toolkit::Color color);

// The font the toolkit describes: its height is the characters' height in pixels.
GdiObject<HFONT> createFont(const toolkit::Font& font);

// A caption as a window without a keyboard target shows it: "&" marks nothing, "&&" is one "&".
std::wstring shownCaption(const std::string& caption);

// Copies the bitmap's pixels (0x00RRGGBB, the layout of a 32-bit top-down DIB) to the device.
void drawBitmap(HDC dc, int x, int y, const toolkit::Bitmap& bitmap);
// Draws the icon's opaque pixels over what the device shows.
void drawIcon(HDC dc, int x, int y, const toolkit::Icon& icon);

}  // namespace lumaro::platform::win32
