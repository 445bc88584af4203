#include "toolkit/controls/track_bar.h"

#include <algorithm>

namespace lumaro::toolkit {

void TrackBar::setMin(int min) {
  applyRange(min, std::max(min, max_));
}
void TrackBar::setMax(int max) {
  applyRange(std::min(min_, max), max);
}
void TrackBar::setPosition(int position) {
  choose(std::clamp(position, min_, max_));
}
void TrackBar::restorePosition(int position) {
  choose(position);
}

void TrackBar::choose(int position) {
  chosen_ = position;
  applyRange(min_, max_);
}

void TrackBar::applyRange(int min, int max) {
  const int position = std::clamp(chosenPosition(), min, max);
  const bool rangeChanged = min != min_ || max != max_;
  const bool positionChanged = position != position_;
  min_ = min;
  max_ = max;
  position_ = position;
  if (rangeChanged || positionChanged) changed();
  if (positionChanged) OnChange(*this);
}

void TrackBar::setOrientation(Orientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  changed();
}

void TrackBar::setFrequency(int frequency) {
  if (frequency == frequency_) return;
  frequency_ = frequency;
  changed();
}

void TrackBar::setPageSize(int pageSize) {
  pageSize_ = pageSize;
  changed();
}

void TrackBar::setTickStyle(TickStyle style) {
  if (style == tickStyle_) return;
  tickStyle_ = style;
  changed();
}

void TrackBar::setThumbLength(int length) {
  if (length == thumbLength_ || length < 1) return;
  thumbLength_ = length;
  changed();
}

AccessibleDescription TrackBar::describe() const {
  const int shown = orientation_ == Orientation::Vertical ? max_ + min_ - position_ : position_;
  return {accessibleName(), AccessibleRole::Slider, accessibleNumber(shown), wholeRange(shown, min_, max_)};
}

}  // namespace lumaro::toolkit
