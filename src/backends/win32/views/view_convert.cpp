#include "backends/win32/views/view_convert.h"

#include <vector>

#include "backends/win32/desktop/text_service.h"
#include "backends/win32/system/unicode.h"
#include "toolkit/controls/access_key.h"
#include "toolkit/drawing/canvas.h"
#include "toolkit/drawing/system_colors.h"

namespace lumaro::platform::win32 {

COLORREF toColorRef(toolkit::Color color) {
  // A toolkit RGB colour is 0x00BBGGRR, a COLORREF's layout.
  return static_cast<COLORREF>(toolkit::resolveColor(color) & 0xFFFFFF);
}

GdiObject<HFONT> createFont(const toolkit::Font& font, ScreenDensity density) {
  platform::TextFont scaled = toolkit::textFontOf(font);
  scaled.pixelHeight = density.toDevice(font.height);
  return GdiObject<HFONT>(createGdiFont(scaled));
}

std::wstring shownCaption(const std::string& caption) {
  return widen(toolkit::parseAccessKey(caption).text);
}

namespace {

BITMAPINFO topDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top to bottom, as the toolkit keeps them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

namespace {

int widthOf(const RECT& rect) {
  return rect.right - rect.left;
}
int heightOf(const RECT& rect) {
  return rect.bottom - rect.top;
}

}  // namespace

void drawBitmap(HDC dc, const RECT& target, const toolkit::Bitmap& bitmap) {
  const toolkit::Bitmap shown = nearestScaled(bitmap, widthOf(target), heightOf(target));
  if (shown.empty()) return;
  const BITMAPINFO info = topDownInfo(shown.width(), shown.height());
  SetDIBitsToDevice(dc, target.left, target.top, static_cast<DWORD>(shown.width()),
                    static_cast<DWORD>(shown.height()), 0, 0, 0, static_cast<UINT>(shown.height()),
                    shown.pixels().data(), &info, DIB_RGB_COLORS);
}

void drawIcon(HDC dc, const RECT& target, const toolkit::Icon& shownIcon) {
  const toolkit::Icon icon = nearestScaled(shownIcon, widthOf(target), heightOf(target));
  const toolkit::Bitmap& image = icon.image;
  if (image.empty()) return;
  const int x = target.left;
  const int y = target.top;
  // What lies beneath, read back, with the opaque pixels put over it.
  HDC memory = CreateCompatibleDC(dc);
  const BITMAPINFO info = topDownInfo(image.width(), image.height());
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (section == nullptr) {
    DeleteDC(memory);
    return;
  }
  HGDIOBJ old = SelectObject(memory, section);
  BitBlt(memory, 0, 0, image.width(), image.height(), dc, x, y, SRCCOPY);
  GdiFlush();
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int row = 0; row < image.height(); ++row) {
    for (int column = 0; column < image.width(); ++column) {
      if (!icon.isTransparent(column, row)) pixels[row * image.width() + column] = image.pixel(column, row);
    }
  }
  BitBlt(dc, x, y, image.width(), image.height(), memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(section);
  DeleteDC(memory);
}

}  // namespace lumaro::platform::win32
