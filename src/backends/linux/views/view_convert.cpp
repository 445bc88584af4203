#include "backends/linux/views/view_convert.h"

#include <algorithm>

namespace lumaro::platform::linuxos {

std::optional<QColor> toQColor(toolkit::Color color) {
  if (color > 0xFFFFFF) return std::nullopt;
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QFont toQFont(const toolkit::Font& font) {
  QFont result(toQString(font.name));
  if (font.height > 0) result.setPixelSize(font.height);
  result.setBold(font.bold);
  return result;
}

QImage toQImage(const toolkit::Bitmap& bitmap) {
  if (bitmap.empty()) return {};
  QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
  for (int y = 0; y < bitmap.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < bitmap.width(); ++x) line[x] = 0xFF000000u | bitmap.pixel(x, y);
  }
  return image;
}

QImage toQImage(const toolkit::Icon& icon) {
  QImage image = toQImage(icon.image).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (icon.isTransparent(x, y)) line[x] = 0;
    }
  }
  return image;
}

namespace {

QImage sharpForScreen(QImage image, qreal devicePixelRatio) {
  const int factor = std::max(1, qRound(devicePixelRatio));
  if (factor == 1 || image.isNull()) return image;
  image = image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  image.setDevicePixelRatio(factor);
  return image;
}

}  // namespace

QImage toSharpQImage(const toolkit::Bitmap& bitmap, qreal devicePixelRatio) {
  return sharpForScreen(toQImage(bitmap), devicePixelRatio);
}

QImage toSharpQImage(const toolkit::Icon& icon, qreal devicePixelRatio) {
  return sharpForScreen(toQImage(icon), devicePixelRatio);
}

std::optional<toolkit::MouseButton> toMouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return toolkit::MouseButton::Left;
    case Qt::RightButton:
      return toolkit::MouseButton::Right;
    case Qt::MiddleButton:
      return toolkit::MouseButton::Middle;
    default:
      return std::nullopt;
  }
}

QString withoutAccessKeys(const std::string& caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && ++i == caption.size()) break;
    shown += caption[i];
  }
  return toQString(shown);
}

}  // namespace lumaro::platform::linuxos
