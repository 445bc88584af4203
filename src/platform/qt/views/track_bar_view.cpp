#include "platform/qt/views/track_bar_view.h"

#include <QSlider>

namespace lumaro::platform::qt {

namespace {

class TrackBarView : public ControlView {
 public:
  TrackBarView(toolkit::TrackBar& model, QSlider& slider, toolkit::Application& app)
      : ControlView(model, slider, app), model_(model), slider_(slider) {
    slider_.setTickPosition(QSlider::TicksBelow);
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
    slider_.setTickInterval(model_.frequency());
    slider_.setPageStep(model_.pageSize());
  }

 private:
  toolkit::TrackBar& model_;
  QSlider& slider_;
};

}  // namespace

std::unique_ptr<ControlView> makeTrackBarView(toolkit::TrackBar& model, QWidget& parent,
                                              toolkit::Application& app) {
  return std::make_unique<TrackBarView>(model, *new QSlider(&parent), app);
}

}  // namespace lumaro::platform::qt
