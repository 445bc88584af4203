#pragma once
#include <memory>

#include "backends/linux/views/control_view.h"
#include "toolkit/controls/page_control.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::linuxos {

// Views of controls that hold others; each widget is created as a child of `parent` and is where the
// views of the control's children go.
std::unique_ptr<ControlView> makeView(toolkit::Panel& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit);
std::unique_ptr<ControlView> makeView(toolkit::PageControl& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit);
// A page of `parent` where that is the widget of the sheet's page control, else none. Pages are added
// in the order of the page control's children, so tab i is the model's page i.
std::unique_ptr<ControlView> makeView(toolkit::TabSheet& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit);

}  // namespace lumaro::platform::linuxos
