#include "tray/text_tray_icon.h"

#include <algorithm>

#include "toolkit/drawing/system_colors.h"
#include "tray/narrow_figures.h"

namespace lumaro::tray {

namespace {

// The text is centred on 15, not 16, pixels, as the icon has always drawn it.
constexpr int kCentreReference = 15;
constexpr toolkit::Rect kSquare{0, 0, TTextTrayIcon::kSize, TTextTrayIcon::kSize};

std::uint32_t pixelOf(toolkit::Color color) {
  return toolkit::toPixel(toolkit::resolveColor(color));
}

// Whether the picture's first and last columns hold only the back colour.
bool edgeColumnsClear(const toolkit::Bitmap& picture, std::uint32_t back) {
  for (int y = 0; y < picture.height(); ++y) {
    if (picture.pixel(0, y) != back || picture.pixel(picture.width() - 1, y) != back) return false;
  }
  return true;
}

// Every pixel of `mask` becomes transparent, reusing the icon's storage.
void maskIcon(toolkit::Icon& icon, std::uint32_t mask) {
  const auto& pixels = icon.image.pixels();
  icon.transparent.resize(pixels.size());
  std::transform(pixels.begin(), pixels.end(), icon.transparent.begin(),
                 [mask](std::uint32_t pixel) -> std::uint8_t { return pixel == mask ? 1 : 0; });
}

}  // namespace

TTextTrayIcon::TTextTrayIcon(toolkit::Component* owner, toolkit::Application& app, platform::Tray& tray,
                             platform::TextService& text)
    : TCoolTrayIcon(owner, app, tray), textCanvas_(textBitmap_, text) {
  options_.OnChange = [this] { refresh(); };
  refresh();
}

void TTextTrayIcon::setText(const std::string& text) {
  assign(text_, text);
}

void TTextTrayIcon::setFont(const toolkit::Font& font) {
  assign(font_, font);
}

void TTextTrayIcon::setColor(toolkit::Color color) {
  assign(color_, color);
}

void TTextTrayIcon::setBorder(bool border) {
  assign(border_, border);
}

void TTextTrayIcon::setBorderColor(toolkit::Color color) {
  assign(borderColor_, color);
}

void TTextTrayIcon::setBackgroundIcon(const toolkit::Icon& icon) {
  assign(background_, icon);
}

toolkit::Color TTextTrayIcon::backColor() const {
  const toolkit::Color fontColor = toolkit::resolveColor(font_.color);
  if (color_ == toolkit::clNone || toolkit::resolveColor(color_) == fontColor) return fontColor ^ 0xFFFFFF;
  return color_;
}

void TTextTrayIcon::refresh() {
  setCycleIcons(false);  // a text icon never cycles
  drawText();
  if (!background_.empty()) {
    mergeWithBackground();
  } else {
    takeTextAlone();
  }
  swapIcon(next_);
}

void TTextTrayIcon::drawText() {
  toolkit::Canvas& canvas = textCanvas_;
  textBack_ = backColor();
  canvas.reset(font_);
  // The brush stays solid, so that the text's cells are filled with the back colour too.
  canvas.brush.color = textBack_;
  canvas.fillRect(kSquare);

  const std::string_view text = text_;
  const std::size_t firstBreak = text.find('\r');
  if (firstBreak == std::string_view::npos) {
    const toolkit::Size size = canvas.textExtent(text);
    const int left = (kCentreReference - size.width) / 2 + options_.OffsetX();
    canvas.textOut(left, (kCentreReference - size.height) / 2 + options_.OffsetY(), text);
    // A figure the font cannot show whole (four digits, "23G") takes the narrow font instead of
    // losing its outer digits.
    const bool whole =
        left >= 0 && left + size.width <= kSize && edgeColumnsClear(textBitmap_, pixelOf(textBack_));
    if (!whole && narrow::canDraw(text)) {
      canvas.fillRect(kSquare);
      narrow::draw(textBitmap_, text, pixelOf(font_.color));
    }
  } else {
    const int lineHeight = canvas.textExtent(text.substr(firstBreak)).height + options_.LineDistance();
    const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\r')) + 1;
    const int top = (kCentreReference - lines * lineHeight) / 2 + options_.OffsetY();
    std::size_t start = 0;
    for (int line = 0; line < lines; ++line) {
      const std::size_t end = std::min(text.find('\r', start), text.size());
      const std::string_view piece = text.substr(start, end - start);
      canvas.textOut((kCentreReference - canvas.textExtent(piece).width) / 2 + options_.OffsetX(),
                     top + line * lineHeight, piece);
      start = end + 1;
    }
  }

  if (border_) {
    canvas.brush.color = borderColor_;
    canvas.frameRect(kSquare);
  }
}

void TTextTrayIcon::mergeWithBackground() {
  // The key colour follows the back colour's rule, so the two are the same colour.
  const std::uint32_t key = pixelOf(textBack_);
  toolkit::Bitmap& merged = next_.image;
  merged.setSize(kSize, kSize);
  std::fill(merged.pixels().begin(), merged.pixels().end(), key);
  // The background's transparent parts take the key colour.
  const toolkit::Bitmap& back = background_.image;
  for (int y = 0; y < std::min(kSize, back.height()); ++y) {
    for (int x = 0; x < std::min(kSize, back.width()); ++x) {
      if (!background_.isTransparent(x, y)) merged.setPixel(x, y, back.pixel(x, y));
    }
  }
  // Only the glyphs (and the frame) of the text picture are copied over it.
  for (std::size_t i = 0; i < merged.pixels().size(); ++i) {
    if (const std::uint32_t pixel = textBitmap_.pixels()[i]; pixel != key) merged.pixels()[i] = pixel;
  }
  maskIcon(next_, key);
}

void TTextTrayIcon::takeTextAlone() {
  next_.image = textBitmap_;
  if (color_ != toolkit::clNone) {
    next_.transparent.clear();  // an opaque square
  } else {
    maskIcon(next_, pixelOf(textBack_));  // only the text shows
  }
}

}  // namespace lumaro::tray
