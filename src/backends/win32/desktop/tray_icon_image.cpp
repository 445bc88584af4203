#include "backends/win32/desktop/tray_icon_image.h"

#include <algorithm>
#include <vector>

#include "backends/shared/screen_density.h"

namespace lumaro::platform::win32 {

int trayIconSize(HWND window) {
  UINT dpi = GetDpiForWindow(window);
  if (dpi == 0) dpi = GetDpiForSystem();
  return GetSystemMetricsForDpi(SM_CXSMICON, dpi);
}

HICON makeTrayIcon(const TrayImage& picture, int size) {
  if (picture.width <= 0 || picture.height <= 0 || size <= 0 ||
      picture.argb.size() != static_cast<std::size_t>(picture.width) * picture.height)
    return nullptr;
  const int width = size;
  const int height = size;
  const TrayImage image{width, height,
                        nearestScaled(picture.argb, picture.width, picture.height, width, height)};

  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = width;
  header.bV5Height = -height;  // rows top to bottom
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (colour == nullptr) return nullptr;
  // 0xAARRGGBB is the DIB's own order of a 32-bit pixel (straight alpha, as icons take it).
  std::copy(image.argb.begin(), image.argb.end(), static_cast<std::uint32_t*>(bits));

  // One bit a pixel, rows padded to 16 bits; a set bit lets the background through.
  const int stride = (width + 15) / 16 * 2;
  std::vector<BYTE> maskBits(static_cast<std::size_t>(stride) * height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if ((image.argb[static_cast<std::size_t>(y) * width + x] >> 24) == 0)
        maskBits[static_cast<std::size_t>(y) * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    }
  }
  HBITMAP mask = CreateBitmap(width, height, 1, 1, maskBits.data());

  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask;
  info.hbmColor = colour;
  HICON icon = mask != nullptr ? CreateIconIndirect(&info) : nullptr;
  // The icon holds copies of both bitmaps.
  if (mask != nullptr) DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

}  // namespace lumaro::platform::win32
