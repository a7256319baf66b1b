#include "platform/timer.h"

#include <algorithm>
#include <utility>

namespace ringlark {

Timer::Timer(QObject* parent) : QObject(parent) {
  // Precise, so a 1000 ms clock does not drift by the 5 % that a coarse timer may take.
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (tick_) tick_();
  });
}

std::int32_t Timer::period() const { return period_; }

void Timer::set_period(std::int32_t period_ms) {
  const std::int32_t period = std::max(period_ms, 0);
  if (period == period_) return;
  period_ = period;
  timer_.stop();
  if (period_ > 0) {
    timer_.start(period_);
    ++starts_;
  }
}

void Timer::on_tick(std::function<void()> handler) { tick_ = std::move(handler); }

bool Timer::is_running() const { return timer_.isActive(); }

std::int64_t Timer::start_count() const { return starts_; }

}  // namespace ringlark
