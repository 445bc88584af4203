#include "backends/linux/views/track_bar_view.h"

#include <QApplication>
#include <QProxyStyle>
#include <QSlider>
#include <QStyleFactory>

namespace lumaro::platform::linuxos {

namespace {

// The application's style with the thumb as thick as the model asks. A proxy without a base of its own
// would fall back to the desktop's style, not the application's.
class ThumbStyle : public QProxyStyle {
 public:
  ThumbStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

  int thumbLength = 20;

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_SliderControlThickness) return thumbLength;
    // Room for the thumb plus the tick marks beside it.
    if (metric == PM_SliderThickness) return thumbLength + 4;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

class TrackBarView : public ControlView {
 public:
  TrackBarView(toolkit::TrackBar& model, QSlider& slider, toolkit::Application& app)
      : ControlView(model, slider, app), model_(model), slider_(slider), style_(*new ThumbStyle) {
    // Owned by the slider, so that it outlives every use the slider makes of it.
    style_.setParent(&slider_);
    slider_.setStyle(&style_);
    QObject::connect(&slider_, &QSlider::valueChanged, &context(),
                     [this](int position) { userAction([&] { model_.setPosition(position); }); });
  }

 protected:
  void apply() override {
    const bool vertical = model_.orientation() == toolkit::Orientation::Vertical;
    slider_.setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    // A vertical track bar has its minimum at the top, a vertical QSlider at the bottom; the keys
    // are inverted with it so that Up still moves the handle up.
    slider_.setInvertedAppearance(vertical);
    slider_.setInvertedControls(vertical);
    slider_.setRange(model_.min(), model_.max());
    slider_.setValue(model_.position());
    slider_.setTickPosition(model_.tickStyle() == toolkit::TickStyle::None ? QSlider::NoTicks
                                                                           : QSlider::TicksBelow);
    slider_.setTickInterval(model_.frequency());
    slider_.setPageStep(model_.pageSize());
    if (style_.thumbLength != model_.thumbLength()) {
      style_.thumbLength = model_.thumbLength();
      slider_.updateGeometry();
      slider_.update();
    }
  }

 private:
  toolkit::TrackBar& model_;
  QSlider& slider_;
  ThumbStyle& style_;
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::TrackBar& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<TrackBarView>(model, *new QSlider(&parent), app);
}

}  // namespace lumaro::platform::linuxos
