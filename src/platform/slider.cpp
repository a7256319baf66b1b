#include "platform/slider.h"

#include <algorithm>
#include <utility>

namespace ringlark {

Slider::Slider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  setRange(minimum_, maximum_);
  setValue(stored_);
  setPageStep(5);
  setSingleStep(1);
  setTickPosition(QSlider::TicksBelow);
  setTickInterval(1);
  setTracking(true);
  // actionTriggered comes before the slider applies the step, but sliderPosition() already
  // holds the new thumb value, so the handler sees where the thumb goes.
  connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
    // Each move of a drag comes as SliderMove; the release comes through sliderReleased, as a
    // native track bar reports the thumb's position once more when it is let go.
    if (action == QAbstractSlider::SliderNoAction) return;
    user_scrolled(sliderPosition());
  });
  connect(this, &QAbstractSlider::sliderReleased, this, [this] { user_scrolled(sliderPosition()); });
}

std::int32_t Slider::position() const { return stored_; }

void Slider::set_position(std::int32_t position) {
  stored_ = std::clamp(position, 0, limit);
  setValue(stored_);
}

std::int32_t Slider::minimum() const { return minimum_; }

std::int32_t Slider::maximum() const { return maximum_; }

void Slider::set_maximum(std::int32_t maximum) {
  maximum_ = std::clamp(maximum, 0, limit);
  setRange(std::min(minimum_, maximum_), std::max(minimum_, maximum_));
}

void Slider::on_position_changed(std::function<void()> handler) { position_changed_ = std::move(handler); }

void Slider::user_scrolled(std::int32_t thumb) {
  stored_ = thumb;
  if (position_changed_) position_changed_();
}

}  // namespace ringlark
