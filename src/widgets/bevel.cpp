#include "widgets/bevel.h"

namespace lumaro::widgets {

using namespace toolkit;

void drawLedBevel(Canvas& canvas, const Rect& rect, Bevel style) {
  if (style == Bevel::None) return;
  const bool raised = style == Bevel::Raised;
  canvas.pen = {raised ? clBtnHighlight : clBtnShadow, 1};
  canvas.moveTo(rect.right - 1, rect.top);
  canvas.lineTo(rect.left, rect.top);
  canvas.lineTo(rect.left, rect.bottom - 1);
  canvas.pen.color = raised ? clBtnShadow : clBtnHighlight;
  canvas.lineTo(rect.right - 1, rect.bottom - 1);
  canvas.lineTo(rect.right - 1, rect.top);
}

}  // namespace lumaro::widgets
