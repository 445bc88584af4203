#pragma once
#include <string>

#include "platform/text_service.h"
#include "toolkit/drawing/canvas.h"
#include "tray/cool_tray_icon.h"

namespace lumaro::tray {

// Where the text of a text tray icon sits: offsets from the centred place and extra room between lines,
// in pixels. Every change is reported.
class TOffsetOptions {
 public:
  int OffsetX() const { return offsetX_; }
  void setOffsetX(int value) { set(offsetX_, value); }
  int OffsetY() const { return offsetY_; }
  void setOffsetY(int value) { set(offsetY_, value); }
  int LineDistance() const { return lineDistance_; }
  void setLineDistance(int value) { set(lineDistance_, value); }

  toolkit::Event<> OnChange;

 private:
  void set(int& field, int value) {
    if (field == value) return;
    field = value;
    OnChange();
  }

  int offsetX_ = 0;
  int offsetY_ = 0;
  int lineDistance_ = 0;
};

// A tray icon that shows a short text, drawn into its 16 × 16 picture over a background icon or over a
// square of its colour. A one-line text the font cannot show whole, clear of the picture's edge
// columns, is drawn in the narrow figure font when that font has its characters. Every change redraws
// the icon; the pictures are reused from one redraw to the next, so that a text set at every tick
// costs no allocation.
class TTextTrayIcon : public TCoolTrayIcon {
 public:
  static constexpr int kSize = 16;

  TTextTrayIcon(toolkit::Component* owner, toolkit::Application& app, platform::Tray& tray,
                platform::TextService& text);

  // A carriage return starts a new line.
  const std::string& Text() const { return text_; }
  void setText(const std::string& text);
  const toolkit::Font& Font() const { return font_; }
  void setFont(const toolkit::Font& font);
  // The colour of the square; clNone leaves it transparent.
  toolkit::Color Color() const { return color_; }
  void setColor(toolkit::Color color);
  bool Border() const { return border_; }
  void setBorder(bool border);
  toolkit::Color BorderColor() const { return borderColor_; }
  void setBorderColor(toolkit::Color color);
  TOffsetOptions& Options() { return options_; }
  const toolkit::Icon& BackgroundIcon() const { return background_; }
  void setBackgroundIcon(const toolkit::Icon& icon);

 private:
  // Stores a changed value and redraws; an equal one changes nothing.
  template <class T>
  void assign(T& field, const T& value) {
    if (field == value) return;
    field = value;
    refresh();
  }
  void refresh();
  // The colour behind the text, which becomes transparent: the square's colour, or the inverse of the
  // font's colour where the square has none or the text would not show on it.
  toolkit::Color backColor() const;
  void drawText();
  void mergeWithBackground();
  void takeTextAlone();

  std::string text_;
  toolkit::Font font_;
  toolkit::Color color_ = toolkit::clBtnFace;
  bool border_ = false;
  toolkit::Color borderColor_ = toolkit::clBlack;
  TOffsetOptions options_;
  toolkit::Icon background_;

  toolkit::Bitmap textBitmap_{kSize, kSize};
  toolkit::Canvas textCanvas_;
  toolkit::Color textBack_ = toolkit::clNone;
  toolkit::Icon next_;
};

}  // namespace lumaro::tray
