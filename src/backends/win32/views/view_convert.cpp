#include "backends/win32/views/view_convert.h"

#include <vector>

#include "backends/win32/system/unicode.h"
#include "toolkit/controls/access_key.h"
#include "toolkit/drawing/system_colors.h"

namespace lumaro::platform::win32 {

COLORREF toColorRef(toolkit::Color color) {
  // A toolkit RGB colour is 0x00BBGGRR, a COLORREF's layout.
  return static_cast<COLORREF>(toolkit::resolveColor(color) & 0xFFFFFF);
}

GdiObject<HFONT> createFont(const toolkit::Font& font) {
  LOGFONTW description{};
  // Negative: the height of the characters, not of their cells.
  description.lfHeight = -font.height;
  description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  description.lfItalic = font.italic ? TRUE : FALSE;
  description.lfUnderline = font.underline ? TRUE : FALSE;
  description.lfEscapement = description.lfOrientation = font.angle * 10;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfQuality = DEFAULT_QUALITY;
  const std::wstring name = widen(font.name).substr(0, LF_FACESIZE - 1);
  name.copy(description.lfFaceName, name.size());
  return GdiObject<HFONT>(CreateFontIndirectW(&description));
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

void drawBitmap(HDC dc, int x, int y, const toolkit::Bitmap& bitmap) {
  if (bitmap.empty()) return;
  const BITMAPINFO info = topDownInfo(bitmap.width(), bitmap.height());
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(bitmap.width()), static_cast<DWORD>(bitmap.height()), 0, 0,
                    0, static_cast<UINT>(bitmap.height()), bitmap.pixels().data(), &info, DIB_RGB_COLORS);
}

void drawIcon(HDC dc, int x, int y, const toolkit::Icon& icon) {
  const toolkit::Bitmap& image = icon.image;
  if (image.empty()) return;
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
