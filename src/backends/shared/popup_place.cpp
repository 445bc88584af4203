#include "backends/shared/popup_place.h"

#include <algorithm>

namespace lumaro::platform {

toolkit::Point popupPlace(toolkit::Point at, toolkit::Size size, const toolkit::Rect& room) {
  toolkit::Point place = at;
  if (at.x + size.width > room.right) place.x = std::max(room.left, at.x - size.width);
  if (at.y + size.height > room.bottom) place.y = std::max(room.top, at.y - size.height);
  return place;
}

}  // namespace lumaro::platform
