#include "backends/linux/desktop/text_service.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTransform>

namespace lumaro::platform::linuxos {

namespace {
QString toText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

QtTextService::QtTextService() {
  QFont::insertSubstitution("Arial", "Liberation Sans");
}

QString QtTextService::family(std::string_view name) {
  if (const auto found = families_.find(name); found != families_.end()) return found->second;
  // fonts-wine's bitmap faces (.fon) also call themselves "MS Sans Serif", and Qt gives them a fixed
  // pitch; its TrueType face of the same family is registered under the foundry "Wine".
  const QString wine = toText(name) + " [Wine]";
  const QString chosen = QFontDatabase::hasFamily(wine) ? wine : toText(name);
  families_.emplace(name, chosen);
  return chosen;
}

QFont QtTextService::qFont(const TextFont& font) {
  QFont result(family(font.family));
  result.setPixelSize(std::max(font.pixelHeight, 1));
  result.setBold(font.bold);
  result.setItalic(font.italic);
  result.setUnderline(font.underline);
  result.setStyleStrategy(QFont::NoAntialias);
  // Said outright: left to the system, hinting is switched off whenever the screen is scaled, and
  // the small figures' glyphs would change shape with the scale factor.
  result.setHintingPreference(QFont::PreferFullHinting);
  return result;
}

TextExtent QtTextService::textExtent(const TextFont& font, std::string_view text) {
  const QFontMetrics metrics(qFont(font));
  return {metrics.horizontalAdvance(toText(text)), metrics.height()};
}

void QtTextService::drawText(PixelTarget target, PixelRect clip, int x, int y, std::string_view text,
                             const TextFont& font, std::uint32_t rgb) {
  const QFont qfont = qFont(font);
  const QFontMetrics metrics(qfont);
  const QString string = toText(text);
  // The ink may stick out of the cell (italic overhang, accents): a generous box around it.
  QRect ink = metrics.boundingRect(string).translated(0, metrics.ascent()).adjusted(-2, -2, 2, 2);
  QTransform turn = QTransform::fromTranslate(x, y);
  if (font.angle == 90) turn.rotate(-90);
  ink = turn.mapRect(ink);
  const QRect touched = ink & QRect(QPoint(clip.left, clip.top), QPoint(clip.right - 1, clip.bottom - 1)) &
                        QRect(0, 0, target.width, target.height);
  if (touched.isEmpty()) return;

  QImage image(reinterpret_cast<uchar*>(target.pixels), target.width, target.height, target.width * 4,
               QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setClipRect(touched);
  painter.setTransform(turn);
  painter.setFont(qfont);
  painter.setPen(QColor::fromRgb(rgb));
  painter.drawText(0, metrics.ascent(), string);
  painter.end();
  // QPainter makes the pixels it writes opaque (0xFF in the top byte); the bitmap keeps 0 there.
  for (int py = touched.top(); py <= touched.bottom(); ++py) {
    std::uint32_t* row = target.pixels + static_cast<std::ptrdiff_t>(py) * target.width;
    for (int px = touched.left(); px <= touched.right(); ++px) row[px] &= 0x00FFFFFF;
  }
}

}  // namespace lumaro::platform::linuxos
