#include "platform/timer.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDeadlineTimer>

#include <cstdint>

namespace ringlark {
namespace {

TEST(Timer, StartsStopped) {
  Timer timer;
  EXPECT_EQ(timer.period(), 0);
  EXPECT_FALSE(timer.is_running());
  EXPECT_EQ(timer.start_count(), 0);
}

TEST(Timer, WritingThePeriod) {
  struct Case {
    const char* what;
    std::int32_t before;
    std::int32_t write;
    std::int32_t period;
    bool running;
    bool new_phase;
  };
  const Case cases[] = {
      {"a negative value counts as 0", 0, -5, 0, false, false},
      {"a period above 0 starts it", 0, 1000, 1000, true, true},
      {"the same period keeps the phase", 1000, 1000, 1000, true, false},
      {"another period restarts it", 1000, 1500, 1500, true, true},
      {"0 stops it", 1000, 0, 0, false, false},
      {"a negative value stops it", 500, -1, 0, false, false},
      {"a stopped timer stays stopped on 0", 0, 0, 0, false, false},
  };
  for (const Case& c : cases) {
    Timer timer;
    timer.set_period(c.before);
    const std::int64_t starts = timer.start_count();
    timer.set_period(c.write);
    EXPECT_EQ(timer.period(), c.period) << c.what;
    EXPECT_EQ(timer.is_running(), c.running) << c.what;
    EXPECT_EQ(timer.start_count() != starts, c.new_phase) << c.what;
  }
}

TEST(Timer, TicksCallTheHandler) {
  Timer timer;
  int ticks = 0;
  timer.on_tick([&ticks] { ++ticks; });
  timer.set_period(1);
  const QDeadlineTimer give_up(5000);
  while (ticks < 2 && !give_up.hasExpired())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  EXPECT_GE(ticks, 2);
}

}  // namespace
}  // namespace ringlark
