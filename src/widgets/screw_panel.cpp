#include "widgets/screw_panel.h"

namespace lumaro::widgets {

using namespace toolkit;

namespace {
constexpr int kHighlightLevel = 5;
constexpr int kShadowLevel = 4;
constexpr TScrewSize kLargestScrew = 8;
}  // namespace

TScrewPanel::TScrewPanel(Component* owner, platform::TextService& text)
    : PaintedControl(owner, text),
      shadedColor_(color()),
      shades_(ShadeColors(shadedColor_, kHighlightLevel, kShadowLevel)) {
  setBounds({0, 0, 45, 45});
}

void TScrewPanel::changed() {
  if (color() != shadedColor_) {
    shadedColor_ = color();
    shades_ = ShadeColors(shadedColor_, kHighlightLevel, kShadowLevel);
  }
  PaintedControl::changed();
}

void TScrewPanel::setAlignment(TAlignment alignment) {
  setProperty(alignment_, alignment);
}
void TScrewPanel::setBevelInner(Bevel bevel) {
  setProperty(bevelInner_, bevel);
}
void TScrewPanel::setBevelOuter(Bevel bevel) {
  setProperty(bevelOuter_, bevel);
}
void TScrewPanel::setBevelWidth(int width) {
  setProperty(bevelWidth_, width);
}
void TScrewPanel::setBorderWidth(int width) {
  setProperty(borderWidth_, width);
}
void TScrewPanel::setShowScrews(bool show) {
  setProperty(showScrews_, show);
}

void TScrewPanel::setMargin(int margin) {
  if (margin < width() - screwSize_ && margin < height() - screwSize_) setProperty(margin_, margin);
}

void TScrewPanel::setScrewSize(TScrewSize size) {
  if (size >= 1 && size <= kLargestScrew && size < width() && size < height()) setProperty(screwSize_, size);
}

void TScrewPanel::drawBevel(Canvas& canvas, const Rect& r, bool raised) const {
  canvas.pen = {raised ? shades_.highlight : shades_.shadow, bevelWidth_};
  canvas.moveTo(r.right - 1, r.top);
  canvas.lineTo(r.left, r.top);
  canvas.lineTo(r.left, r.bottom - 1);
  canvas.pen.color = raised ? shades_.shadow : shades_.highlight;
  canvas.moveTo(r.right - 1, r.top);
  canvas.lineTo(r.right - 1, r.bottom - 1);
  canvas.lineTo(r.left, r.bottom - 1);
}

// A slotted screw, 4s pixels across: a silver disc whose upper-left rim is in shadow and lower-right
// rim in highlight, with a grey slot lit along one edge.
void TScrewPanel::drawScrew(Canvas& canvas, int x, int y) const {
  const int s = screwSize_;
  const int d = 4 * s;
  const Rect box{x, y, x + d, y + d};
  canvas.pen = {shades_.shadow, 1};
  canvas.brush = {clSilver, BrushStyle::Solid};
  canvas.ellipse(box);
  canvas.arc(box, {x + 3 * s, y + s}, {x + s, y + 3 * s});
  canvas.pen.color = clGray;
  canvas.moveTo(x + s - 1, y + 3 * s - 1);
  canvas.lineTo(x + 3 * s, y + s - 2);
  canvas.pen.color = shades_.highlight;
  canvas.arc(box, {x + s, y + 3 * s}, {x + 3 * s, y + s});
  canvas.pen.color = clWhite;
  canvas.moveTo(x + s, y + 3 * s);
  canvas.lineTo(x + 3 * s + 1, y + s - 1);
}

void TScrewPanel::paint(Canvas& canvas) {
  Rect r = clientRect();
  canvas.brush.color = color();
  canvas.fillRect(r);
  if (bevelOuter_ != Bevel::None) {
    drawBevel(canvas, r, bevelOuter_ == Bevel::Raised);
    r = r.inflated(-(bevelWidth_ + borderWidth_));
  } else {
    r = r.inflated(-borderWidth_);
  }
  if (bevelInner_ != Bevel::None) {
    drawBevel(canvas, r, bevelInner_ == Bevel::Raised);
    r = r.inflated(-bevelWidth_);
  }
  if (showScrews_) {
    const int m = margin_;
    const int d = 4 * screwSize_;
    drawScrew(canvas, r.left + m, r.top + m);
    drawScrew(canvas, r.right - m - d, r.top + m);
    drawScrew(canvas, r.left + m, r.bottom - m - d);
    drawScrew(canvas, r.right - m - d, r.bottom - m - d);
  }
  if (!caption().empty()) {
    canvas.brush.style = BrushStyle::Clear;
    const TextAlign align = alignment_ == TAlignment::taLeftJustify    ? TextAlign::Left
                            : alignment_ == TAlignment::taRightJustify ? TextAlign::Right
                                                                       : TextAlign::Center;
    canvas.drawText(r, caption(), align, true);
  }
}

}  // namespace lumaro::widgets
