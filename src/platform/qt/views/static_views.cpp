#include "platform/qt/views/static_views.h"

#include <QLabel>
#include <QPixmap>

#include "platform/qt/views/view_convert.h"

namespace lumaro::platform::qt {

namespace {

// A label has no control to move the focus to, so its access key marks nothing.
class LabelView : public ControlView {
 public:
  LabelView(toolkit::Label& model, QLabel& label, toolkit::Application& app)
      : ControlView(model, label, app), model_(model), label_(label) {
    label_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    forwardMouse();
  }

 protected:
  void apply() override {
    label_.setText(withoutAccessKeys(model_.caption()));
    label_.setWordWrap(model_.wordWrap());
  }

 private:
  toolkit::Label& model_;
  QLabel& label_;
};

// The picture is drawn unscaled from the top left corner.
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

std::unique_ptr<ControlView> makeLabelView(toolkit::Label& model, QWidget& parent,
                                           toolkit::Application& app) {
  return std::make_unique<LabelView>(model, *new QLabel(&parent), app);
}

std::unique_ptr<ControlView> makeImageView(toolkit::Image& model, QWidget& parent,
                                           toolkit::Application& app) {
  return std::make_unique<ImageView>(model, *new QLabel(&parent), app);
}

std::unique_ptr<ControlView> makePlainView(toolkit::Control& model, QWidget& parent,
                                           toolkit::Application& app) {
  return std::make_unique<PlainView>(model, *new QWidget(&parent), app);
}

}  // namespace lumaro::platform::qt
