#pragma once
#include "toolkit/controls/painted_control.h"
#include "toolkit/controls/simple_controls.h"
#include "widgets/shade_colors.h"

namespace lumaro::widgets {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
// 1 to 8: a screw is 4 × ScrewSize pixels across.
using TScrewSize = int;

// A panel that looks like an instrument front plate: a flat face in Color, bevels in a lighter and a
// darker shade of it, and a slotted screw in each corner. It hosts child controls.
class TScrewPanel : public toolkit::PaintedControl {
 public:
  TScrewPanel(toolkit::Component* owner, platform::TextService& text);

  TAlignment Alignment() const { return alignment_; }
  void setAlignment(TAlignment alignment);
  toolkit::Bevel BevelInner() const { return bevelInner_; }
  void setBevelInner(toolkit::Bevel bevel);
  toolkit::Bevel BevelOuter() const { return bevelOuter_; }
  void setBevelOuter(toolkit::Bevel bevel);
  int BevelWidth() const { return bevelWidth_; }
  void setBevelWidth(int width);
  int BorderWidth() const { return borderWidth_; }
  void setBorderWidth(int width);
  int Margin() const { return margin_; }
  // Accepted only below Width − ScrewSize and Height − ScrewSize.
  void setMargin(int margin);
  TScrewSize ScrewSize() const { return screwSize_; }
  // Accepted only within 1..8 and below Width and Height.
  void setScrewSize(TScrewSize size);
  bool ShowScrews() const { return showScrews_; }
  void setShowScrews(bool show);

  // The bevel shades of the face colour: ShadeColors(Color, 5, 4).
  const Shades& shades() const { return shades_; }

 protected:
  void paint(toolkit::Canvas& canvas) override;
  // A new face colour brings new shades.
  void changed() override;

 private:
  void drawBevel(toolkit::Canvas& canvas, const toolkit::Rect& rect, bool raised) const;
  void drawScrew(toolkit::Canvas& canvas, int x, int y) const;

  TAlignment alignment_ = TAlignment::taCenter;
  toolkit::Bevel bevelInner_ = toolkit::Bevel::None;
  toolkit::Bevel bevelOuter_ = toolkit::Bevel::Raised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  int margin_ = 2;
  TScrewSize screwSize_ = 2;
  bool showScrews_ = true;
  toolkit::Color shadedColor_;
  Shades shades_;
};

}  // namespace lumaro::widgets
