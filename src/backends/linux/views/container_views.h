#pragma once
#include <memory>

#include "backends/linux/views/control_view.h"
#include "toolkit/controls/page_control.h"
#include "toolkit/controls/simple_controls.h"

class QTabWidget;

namespace lumaro::platform::linuxos {

// Views of controls that hold others; each widget is created as a child of `parent` and is where the
// views of the control's children go.
std::unique_ptr<ControlView> makePanelView(toolkit::Panel& model, QWidget& parent, toolkit::Application& app);
std::unique_ptr<ControlView> makePageControlView(toolkit::PageControl& model, QWidget& parent,
                                                 toolkit::Application& app);
// A page of `tabs`, which must be the widget of the sheet's page control. Pages are added in the
// order of the page control's children, so tab i is the model's page i.
std::unique_ptr<ControlView> makeTabSheetView(toolkit::TabSheet& model, QTabWidget& tabs,
                                              toolkit::Application& app);

}  // namespace lumaro::platform::linuxos
