#include "backends/linux/views/static_views.h"

#include <QLabel>
#include <QPixmap>

#include "backends/linux/views/view_convert.h"

namespace lumaro::platform::linuxos {

namespace {

// A label has no control to move the focus to, so its access key marks nothing.
class LabelView : public ControlView {
 public:
  LabelView(toolkit::Label& model, QLabel& label, toolkit::Application& app)
      : ControlView(model, label, app), model_(model), label_(label) {
    label_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A framed QLabel would indent its text by half an "x": a classic label's text touches its edge.
    label_.setIndent(0);
    label_.setMargin(0);
    forwardMouse();
  }

 protected:
  void apply() override {
    label_.setText(withoutAccessKeys(model_.caption()));
    label_.setWordWrap(model_.wordWrap());
    if (model_.border() == toolkit::Bevel::None) {
      label_.setFrameStyle(QFrame::NoFrame);
    } else {
      label_.setFrameStyle(QFrame::Panel |
                           (model_.border() == toolkit::Bevel::Lowered ? QFrame::Sunken : QFrame::Raised));
      label_.setLineWidth(1);
    }
  }

  void applyPlacement() override {
    ControlView::applyPlacement();
    // The model measured with the text service; should the widget's own fonts need a pixel more, the
    // label still grows rather than cut its text.
    if (model_.autoSize() && !model_.wordWrap() && model_.align() == toolkit::Align::None)
      label_.resize(label_.size().expandedTo(label_.sizeHint()));
  }

 private:
  toolkit::Label& model_;
  QLabel& label_;
};

// The picture is drawn unscaled from the top left corner; its see-through pixels show the parent.
class ImageView : public ControlView {
 public:
  ImageView(toolkit::Image& model, QLabel& label, toolkit::Application& app)
      : ControlView(model, label, app), model_(model), label_(label) {
    label_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    forwardMouse();
  }

 protected:
  void apply() override {
    label_.setPixmap(QPixmap::fromImage(toSharpQImage(model_.picture(), label_.devicePixelRatioF())));
  }

 private:
  toolkit::Image& model_;
  QLabel& label_;
};

class PlainView : public ControlView {
 public:
  PlainView(toolkit::Control& model, QWidget& widget, toolkit::Application& app)
      : ControlView(model, widget, app) {
    forwardMouse();
  }
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::Label& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<LabelView>(model, *new QLabel(&parent), app);
}

std::unique_ptr<ControlView> makeView(toolkit::Image& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<ImageView>(model, *new QLabel(&parent), app);
}

std::unique_ptr<ControlView> makeView(toolkit::Control& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<PlainView>(model, *new QWidget(&parent), app);
}

}  // namespace lumaro::platform::linuxos
