#pragma once
#include "toolkit/core/application.h"
#include "toolkit/core/control_visitor.h"

namespace lumaro::platform {

namespace detail {

template <class Kit>
class ViewCreator final : public toolkit::ControlVisitor<typename Kit::View> {
 public:
  using View = typename Kit::View;

  ViewCreator(typename Kit::Parent& parent, toolkit::Application& app) : parent_(parent), app_(app) {}

  View visit(toolkit::CheckBox& model) override { return make(model); }
  View visit(toolkit::RadioButton& model) override { return make(model); }
  View visit(toolkit::Button& model) override { return make(model); }
  View visit(toolkit::TrackBar& model) override { return make(model); }
  View visit(toolkit::SpinEdit& model) override { return make(model); }
  View visit(toolkit::ComboBox& model) override { return make(model); }
  View visit(toolkit::Label& model) override { return make(model); }
  View visit(toolkit::Image& model) override { return make(model); }
  View visit(toolkit::Panel& model) override { return make(model); }
  View visit(toolkit::PaintedControl& model) override { return make(model); }
  View visit(toolkit::PageControl& model) override { return make(model); }
  View visit(toolkit::TabSheet& model) override {
    if (View view = make(model)) return view;
    return other(model);
  }
  View other(toolkit::Control& model) override { return make(model); }

 private:
  template <class Kind>
  View make(Kind& model) {
    return makeView(model, parent_, app_, Kit{});
  }

  typename Kit::Parent& parent_;
  toolkit::Application& app_;
};

}  // namespace detail

// A backend's view for a control of any standard kind. The backend names the maker of every kind
// toolkit::ControlVisitor knows, and of a plain view for toolkit::Control, with one overloaded name
//   Kit::View makeView(Kind& model, Kit::Parent& parent, toolkit::Application& app, Kit);
// where `Kit` is a tag type in the backend's namespace, through which argument-dependent lookup finds
// the makers, and which names the backend's View and Parent types.
// A sheet is a page only where its parent's view holds pages: elsewhere its maker returns no view and
// the sheet gets the plain one.
template <class Kit>
typename Kit::View createView(toolkit::Control& control, typename Kit::Parent& parent,
                              toolkit::Application& app) {
  detail::ViewCreator<Kit> creator(parent, app);
  return toolkit::visitControl(control, creator);
}

}  // namespace lumaro::platform
