#pragma once
#include "toolkit/core/component.h"
#include "toolkit/core/event.h"
#include "toolkit/drawing/canvas.h"
#include "toolkit/menus/menu.h"

namespace lumaro::tray {

// How an item is to be drawn.
struct TOwnerDrawState {
  bool selected = false;
  bool grayed = false;
  bool disabled = false;
  bool checked = false;
};

// (sender, item, canvas, width, height, bar visible, default measure): width and height arrive holding
// the menu's own measurement; leaving the last true keeps it.
using TOnMeasureMenuItemEvent =
    toolkit::Event<toolkit::Component&, toolkit::MenuItem&, toolkit::Canvas&, int&, int&, bool, bool&>;
// (sender, item, canvas, item rectangle beside the bar, state, bar visible, default draw): leaving the
// last true lets the menu draw the item itself.
using TOnDrawMenuItemEvent = toolkit::Event<toolkit::Component&, toolkit::MenuItem&, toolkit::Canvas&,
                                            const toolkit::Rect&, TOwnerDrawState, bool, bool&>;

// Hands the measuring and drawing of a bar menu's items to its owner's handlers.
class TBcCustomDrawModule : public toolkit::Component {
 public:
  using Component::Component;

  TOnMeasureMenuItemEvent OnMeasureMenuItem;
  TOnDrawMenuItemEvent OnDrawMenuItem;
};

}  // namespace lumaro::tray
