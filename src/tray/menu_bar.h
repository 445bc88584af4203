#pragma once
#include <string>

#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/canvas.h"
#include "toolkit/drawing/color.h"
#include "toolkit/drawing/font.h"
#include "tray/gradient.h"

namespace lumaro::tray {

// A picture of the bar; a transparent one lets through its bottom-left pixel's colour.
struct TBcBarPicture {
  toolkit::Bitmap Picture;
  bool Transparent = false;
};

// The bar's caption, running upward through the middle of the bar, with a highlight copy below left
// and a shadow copy above right of it, `Depth` pixels away; clNone leaves a copy out.
struct TBcBarCaption {
  std::string Caption;
  toolkit::Font Font;
  toolkit::Color ShadowColor = toolkit::clNone;
  toolkit::Color HighlightColor = toolkit::clNone;
  int Depth = 0;
};

// The picture bar down the left side of a bar menu.
struct TBcBar {
  int Width = 32;
  int Space = 0;  // between the bar and the items
  toolkit::Color GradientStart = toolkit::clHighlight;
  toolkit::Color GradientEnd = toolkit::clBlack;
  TGradientStyle GradientStyle = TGradientStyle::gsHorizontal;
  toolkit::Color Border = toolkit::clNone;
  TBcBarPicture BarBackPicture{{}, true};  // tiled from the top left
  TBcBarPicture BarPicture;                // at the bottom, centred
  TBcBarCaption BarCaption;
};

// Draws the bar into `rect`: the gradient, unless an opaque back picture covers it; the back picture
// tiled; the border; the picture; the caption. Nothing is drawn outside `rect`. `scratch` is the
// off-screen picture the gradient is made in, kept by the caller for the next time.
void DrawBar(toolkit::Canvas& canvas, const toolkit::Rect& rect, const TBcBar& bar, toolkit::Bitmap& scratch);

}  // namespace lumaro::tray
