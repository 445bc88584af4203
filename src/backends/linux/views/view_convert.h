#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <optional>
#include <string>

#include "toolkit/core/control.h"
#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/color.h"
#include "toolkit/drawing/font.h"
#include "toolkit/drawing/icon.h"

namespace lumaro::platform::linuxos {

inline QString toQString(const std::string& text) {
  return QString::fromStdString(text);
}

// An RGB colour (0x00BBGGRR), or nothing for system colours and clNone: those stay Qt's default.
std::optional<QColor> toQColor(toolkit::Color color);

QFont toQFont(const toolkit::Font& font);

QImage toQImage(const toolkit::Bitmap& bitmap);
// With an alpha channel: the icon's see-through pixels are fully transparent.
QImage toQImage(const toolkit::Icon& icon);

// The bitmap for a screen of `devicePixelRatio`: each pixel repeated by the nearest whole factor, so
// that digits, segments and screws stay sharp on dense screens and the picture keeps its logical size.
QImage toSharpQImage(const toolkit::Bitmap& bitmap, qreal devicePixelRatio);
QImage toSharpQImage(const toolkit::Icon& icon, qreal devicePixelRatio);

std::optional<toolkit::MouseButton> toMouseButton(Qt::MouseButton button);

// A caption as a widget without a keyboard target shows it: "&" marks nothing, "&&" is one "&".
QString withoutAccessKeys(const std::string& caption);

}  // namespace lumaro::platform::linuxos
