#include "backends/win32/desktop/text_service.h"

#include <algorithm>
#include <stdexcept>

#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

GdiTextService::GdiTextService() : dc_(CreateCompatibleDC(nullptr)) {
  if (dc_ == nullptr) throw std::runtime_error("CreateCompatibleDC failed");
  SetBkMode(dc_, TRANSPARENT);
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  initialFont_ = GetCurrentObject(dc_, OBJ_FONT);
  initialBitmap_ = GetCurrentObject(dc_, OBJ_BITMAP);
}

GdiTextService::~GdiTextService() {
  SelectObject(dc_, initialFont_);
  SelectObject(dc_, initialBitmap_);
  for (auto& [key, font] : fonts_) DeleteObject(font);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  DeleteDC(dc_);
}

HFONT createGdiFont(const TextFont& font) {
  // A negative height asks for the character height (without internal leading), as the classic
  // font's pixel height means.
  return CreateFontW(-std::max(font.pixelHeight, 1), 0, font.angle * 10, font.angle * 10,
                     font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, widen(font.family).c_str());
}

int inkOverhang(HDC dc, std::wstring_view text) {
  if (text.empty()) return 0;
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  int overhang = static_cast<int>(metrics.tmOverhang);
  // Outline fonts know each glyph's ink: a negative C width is ink beyond the advance.
  ABC last{};
  const auto glyph = static_cast<UINT>(text.back());
  if (GetCharABCWidthsW(dc, glyph, glyph, &last) && last.abcC < 0) overhang += -last.abcC;
  return overhang;
}

HFONT GdiTextService::fontFor(const TextFont& font) {
  FontKey key{std::string(font.family), font.pixelHeight, font.bold, font.italic, font.underline, font.angle};
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  const HFONT made = createGdiFont(font);
  fonts_.emplace(std::move(key), made);
  return made;
}

TextExtent GdiTextService::textExtent(const TextFont& font, std::string_view text) {
  // Measured unturned: the extent runs along the text whatever its angle.
  TextFont level = font;
  level.angle = 0;
  SelectObject(dc_, fontFor(level));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  const std::wstring wide = widen(text);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return {static_cast<int>(size.cx), static_cast<int>(metrics.tmHeight)};
}

std::uint32_t* GdiTextService::canvas(int width, int height) {
  if (width <= width_ && height <= height_) return bits_;
  const int newWidth = std::max(width, width_);
  const int newHeight = std::max(height, height_);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = newWidth;
  info.bmiHeader.biHeight = -newHeight;  // rows top to bottom, as our pictures
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP made = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (made == nullptr) throw std::runtime_error("CreateDIBSection failed");
  SelectObject(dc_, made);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  bitmap_ = made;
  bits_ = static_cast<std::uint32_t*>(bits);
  width_ = newWidth;
  height_ = newHeight;
  return bits_;
}

void GdiTextService::drawText(PixelTarget target, PixelRect clip, int x, int y, std::string_view text,
                              const TextFont& font, std::uint32_t rgb) {
  const int left = std::max(clip.left, 0);
  const int top = std::max(clip.top, 0);
  const int right = std::min(clip.right, target.width);
  const int bottom = std::min(clip.bottom, target.height);
  if (left >= right || top >= bottom || text.empty()) return;

  // The clipped part of the target goes through the canvas: GDI draws the glyphs over it there.
  const int width = right - left;
  const int height = bottom - top;
  std::uint32_t* bits = canvas(width, height);
  for (int row = 0; row < height; ++row) {
    std::copy_n(target.pixels + static_cast<std::ptrdiff_t>(top + row) * target.width + left, width,
                bits + static_cast<std::ptrdiff_t>(row) * width_);
  }
  GdiFlush();
  HRGN region = CreateRectRgn(0, 0, width, height);
  SelectClipRgn(dc_, region);
  DeleteObject(region);
  SelectObject(dc_, fontFor(font));
  // Ours is 0x00RRGGBB, GDI's COLORREF 0x00BBGGRR.
  SetTextColor(dc_, RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
  const std::wstring wide = widen(text);
  ExtTextOutW(dc_, x - left, y - top, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
  GdiFlush();
  for (int row = 0; row < height; ++row) {
    const std::uint32_t* from = bits + static_cast<std::ptrdiff_t>(row) * width_;
    std::uint32_t* to = target.pixels + static_cast<std::ptrdiff_t>(top + row) * target.width + left;
    // GDI may leave its own bits in the top byte; ours keep 0 there.
    for (int column = 0; column < width; ++column) to[column] = from[column] & 0x00FFFFFF;
  }
}

}  // namespace lumaro::platform::win32
