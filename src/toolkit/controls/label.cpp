#include "toolkit/controls/access_key.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::toolkit {

void Label::changed() {
  if (autoSize_ && !wordWrap_ && measure_ != nullptr) {
    const std::string shown = parseAccessKey(caption()).text;
    const platform::TextExtent extent = measure_->textExtent(textFontOf(font()), shown);
    const int edge = border_ == Bevel::None ? 0 : 2;
    const Bounds& now = bounds();
    // Setting the new size comes back here once more, and then finds nothing to change.
    const Bounds fitted{now.left, now.top, extent.width + edge, extent.height + edge};
    if (fitted != now) {
      setBounds(fitted);
      return;
    }
  }
  Control::changed();
}

}  // namespace lumaro::toolkit
