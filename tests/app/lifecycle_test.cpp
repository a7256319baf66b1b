#include <gtest/gtest.h>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "app/event_wiring.h"
#include "app/program.h"
#include "support/scripted_media_player.h"
#include "support/silent_players.h"

namespace ringlark {
namespace {

std::unique_ptr<Program> started_program(
    std::unique_ptr<MediaPlayer> player = std::make_unique<testing_support::NothingOpenPlayer>()) {
  auto program =
      std::make_unique<Program>(std::move(player), std::make_unique<testing_support::SilentMp3Player>());
  EXPECT_TRUE(program->create_window());
  return program;
}

TEST(Shutdown, EscClosesTheWindowWhicheverControlHasTheFocus) {
  const char* focused[] = {"编辑框1", "按钮1", "按钮2", "按钮3",  "按钮4",
                           "滑块条1", "按钮7", "按钮8", "按钮10", "按钮9"};
  for (const char* name : focused) {
    SCOPED_TRACE(name);
    auto program = started_program();
    MainWindow* window = program->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* control = window->findChild<QWidget*>(name);
    control->setFocus();
    ASSERT_TRUE(control->hasFocus());
    QTest::keyClick(control, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
  }
}

TEST(Shutdown, EnterAndF1DoNothing) {
  auto program = started_program();
  MainWindow* window = program->window();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  program->controls()->编辑框1.setFocus();
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F1})
    QTest::keyClick(&program->controls()->编辑框1, key);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(program->controls()->编辑框1.hasFocus()) << "Enter does not move the focus";
}

TEST(Shutdown, ClosingEndsTheLoopAndRunsTheExitCleanUpOnce) {
  struct Case {
    const char* how;
    void (*close)(MainWindow&);
  };
  const Case cases[] = {
      {"close box", [](MainWindow& window) { window.close(); }},
      {"Esc", [](MainWindow& window) { QTest::keyClick(&window, Qt::Key_Escape); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    auto program = started_program();
    program->state().ringtone_data = {1, 2, 3};
    MainWindow* window = program->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTimer::singleShot(0, window, [window, close = c.close] { close(*window); });

    EXPECT_EQ(program->run_until_closed(), 0);
    EXPECT_EQ(program->exit_cleanups_run(), 1);
    EXPECT_TRUE(program->state().ringtone_data.empty());
    EXPECT_EQ(program->window(), nullptr) << "the window and its controls are gone";
    EXPECT_EQ(program->run_until_closed(), 0);
    EXPECT_EQ(program->exit_cleanups_run(), 1) << "the exit clean-up runs once";
  }
}

TEST(Shutdown, ClosingRightAfterStartReleasesNothing) {
  auto program = started_program();
  program->window()->close();
  EXPECT_EQ(program->run_until_closed(), 0);
  EXPECT_EQ(program->exit_cleanups_run(), 1);
  EXPECT_TRUE(program->state().ringtone_data.empty());
}

// A media player that records the order in which the handlers ask it.
class AskedPlayer : public testing_support::ScriptedMediaPlayer {
 public:
  std::int32_t length_ms() const override {
    asked.push_back("length");
    return ScriptedMediaPlayer::length_ms();
  }
  std::int32_t position_ms() const override {
    asked.push_back("position");
    return ScriptedMediaPlayer::position_ms();
  }
  mutable std::vector<std::string> asked;
};

TEST(EventWiring, EveryRowFindsItsControl) {
  auto program = started_program();
  Context context{*program->window(), *program->controls(), program->state(),
                  *std::make_unique<testing_support::SilentMp3Player>()};
  EXPECT_TRUE(wire_events(event_wiring(), context).empty());

  const WiringRow wrong[] = {
      {"按钮99", Event::clicked, [](Context&) {}},
      {"标签4", Event::clicked, [](Context&) {}},  // a label has no clicked event
      {"按钮1", Event::tick, [](Context&) {}},
      {"按钮1", Event::created, [](Context&) {}},
  };
  EXPECT_EQ(wire_events(wrong, context), (std::vector<std::string>{"按钮99", "标签4", "按钮1", "按钮1"}));
}

TEST(EventWiring, SetStartAndSetEndAreOnTheirButtons) {
  auto owned = std::make_unique<AskedPlayer>();
  AskedPlayer& player = *owned;
  auto program = started_program(std::move(owned));
  Controls& controls = *program->controls();
  program->state().source_size = 1000.0;
  player.length = 100'000;
  player.positions = {20'000, 60'000};
  controls.标签4.set_caption("00:20");

  QTest::mouseClick(&controls.按钮7, Qt::LeftButton);
  EXPECT_EQ(controls.标签7.caption(), "00:20");
  EXPECT_EQ(program->state().start_offset, 200);
  EXPECT_EQ(player.asked, (std::vector<std::string>{"position", "length"}));

  controls.标签4.set_caption("01:00");
  controls.滑块条1.set_position(60);
  QTest::mouseClick(&controls.按钮8, Qt::LeftButton);
  EXPECT_EQ(controls.标签10.caption(), "01:00");
  EXPECT_EQ(program->state().end_slider, 60);
  EXPECT_EQ(program->state().end_offset, 600);
  EXPECT_EQ(controls.时钟2.period(), 500);
  EXPECT_EQ(player.asked, (std::vector<std::string>{"position", "length", "position", "length"}));
}

}  // namespace
}  // namespace ringlark
