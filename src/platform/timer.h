#pragma once

#include <cstdint>
#include <functional>

#include <QObject>
#include <QTimer>

namespace ringlark {

// A never-visible timer with a period in milliseconds; 0 means it does not tick.
class Timer : public QObject {
  Q_OBJECT

 public:
  explicit Timer(QObject* parent = nullptr);

  std::int32_t period() const;
  // Negative counts as 0. Writing the period the timer already has does nothing, so a running
  // timer keeps its phase; any other value stops it, and a value above 0 starts it again with
  // the first tick one full period after the write.
  void set_period(std::int32_t period_ms);
  // The one handler of the periodic event. Ticks that fall due while the thread is busy are
  // merged into one, never made up.
  void on_tick(std::function<void()> handler);

  bool is_running() const;
  // How many times the timer was (re)started: a new count means a new phase. Lets tests check
  // the period rule without waiting for ticks.
  std::int64_t start_count() const;

 private:
  QTimer timer_;
  std::int32_t period_ = 0;
  std::int64_t starts_ = 0;
  std::function<void()> tick_;
};

}  // namespace ringlark
