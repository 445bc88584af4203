#pragma once
#include <optional>

#include "toolkit/core/control.h"

namespace lumaro::toolkit {

enum class Orientation { Horizontal, Vertical };
// Tick marks every `frequency` positions, or none.
enum class TickStyle { None, Auto };

// A slider. The position always lies in min..max; a position change, also one forced by a new range,
// runs OnChange. A range only hides the position chosen last: a range that allows it again gives it
// back, so that a passing change of the range leaves the choice as it was.
class TrackBar : public Control {
 public:
  using Control::Control;

  int min() const { return min_; }
  int max() const { return max_; }
  int position() const { return position_; }
  // The position chosen last, which the range may be hiding now; the position itself before any choice.
  int chosenPosition() const { return chosen_.value_or(position_); }
  // A new maximum below the minimum pulls the minimum down with it (and a new minimum above the
  // maximum pushes the maximum up), so that the range never inverts.
  void setMin(int min);
  void setMax(int max);
  // A position chosen now: what the present range allows of it.
  void setPosition(int position);
  // A position chosen before, perhaps on a wider range (a stored setting): shown as far as the range
  // allows, and kept whole as the choice.
  void restorePosition(int position);

  Orientation orientation() const { return orientation_; }
  void setOrientation(Orientation orientation);
  int frequency() const { return frequency_; }
  void setFrequency(int frequency);
  int pageSize() const { return pageSize_; }
  void setPageSize(int pageSize);
  TickStyle tickStyle() const { return tickStyle_; }
  void setTickStyle(TickStyle style);
  // The thumb's size across the slider, in pixels.
  int thumbLength() const { return thumbLength_; }
  void setThumbLength(int length);

  // The value as the thumb shows it: a vertical slider has its minimum at the top, so its thumb
  // stands for more the higher it is.
  AccessibleDescription describe() const override;

  NotifyEvent OnChange;

 private:
  void choose(int position);
  void applyRange(int min, int max);

  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  std::optional<int> chosen_;
  Orientation orientation_ = Orientation::Horizontal;
  int frequency_ = 1;
  int pageSize_ = 2;
  TickStyle tickStyle_ = TickStyle::Auto;
  int thumbLength_ = 20;
};

}  // namespace lumaro::toolkit
