#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QScreen>

#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/window_description.h"
#include "platform/desktop_folder.h"
#include "support/silent_players.h"

namespace ringlark {
namespace {

// The window as start-up builds it, with the created handler run.
class StartedWindow : public ::testing::Test {
 protected:
  StartedWindow() {
    EXPECT_TRUE(program.create_window());
    window = program.window();
    controls = program.controls();
  }

  Program program{std::make_unique<testing_support::NothingOpenPlayer>(),
                  std::make_unique<testing_support::SilentMp3Player>()};
  MainWindow* window = nullptr;
  Controls* controls = nullptr;
};

enum class Kind { button, label, edit, group, slider, timer, dialog, player };

struct Expected {
  const char* name;
  Kind kind;
  QRect place;  // in 分组框1, or in the window for 分组框1
  bool shown;
  bool tab;
  const char* text;
};

// Typed from the window's layout, not taken from the description, in the description's order.
const Expected expected_controls[] = {
    {"滑块条1", Kind::slider, {16, 80, 472, 32}, true, true, ""},
    {"通用对话框2", Kind::dialog, {304, 216, 56, 24}, false, false, ""},
    {"时钟3", Kind::timer, {280, 200, 40, 24}, false, false, ""},
    {"按钮3", Kind::button, {96, 48, 72, 24}, true, true, "暂停播放"},
    {"时钟1", Kind::timer, {320, 168, 48, 40}, false, false, ""},
    {"媒体播放1", Kind::player, {360, 184, 32, 32}, false, false, ""},
    {"时钟2", Kind::timer, {328, 200, 32, 40}, false, false, ""},
    {"通用对话框1", Kind::dialog, {304, 184, 48, 24}, false, false, ""},
    {"标签10", Kind::label, {216, 152, 40, 24}, true, false, ""},
    {"透明标签8", Kind::label, {152, 152, 64, 24}, true, false, "终点时间："},
    {"标签7", Kind::label, {88, 152, 48, 24}, true, false, ""},
    {"透明标签6", Kind::label, {24, 152, 64, 24}, true, false, "起点时间："},
    {"按钮9", Kind::button, {416, 120, 72, 24}, true, true, "保存铃声"},
    {"按钮10", Kind::button, {336, 120, 72, 24}, true, true, "试听铃声"},
    {"按钮8", Kind::button, {96, 120, 72, 24}, true, true, "设置终点"},
    {"按钮7", Kind::button, {16, 120, 72, 24}, true, true, "设置起点"},
    {"标签4", Kind::label, {432, 48, 56, 24}, true, false, ""},
    {"透明标签4", Kind::label, {368, 48, 56, 24}, true, false, "播放时间："},
    {"标签2", Kind::label, {320, 48, 48, 24}, true, false, ""},
    {"透明标签2", Kind::label, {256, 48, 64, 24}, true, false, "歌曲时间："},
    {"按钮4", Kind::button, {176, 48, 72, 24}, true, true, "停止播放■"},
    {"按钮2", Kind::button, {16, 48, 72, 24}, true, true, "播放音乐"},
    {"按钮1", Kind::button, {416, 16, 72, 24}, true, true, "浏览文件"},
    {"编辑框1", Kind::edit, {80, 16, 328, 24}, true, true, ""},
    {"透明标签1", Kind::label, {16, 16, 72, 24}, true, false, "音乐文件："},
    {"分组框1", Kind::group, {16, 8, 536, 192}, true, false, ""},
};

std::string text_of(QObject* control, Kind kind) {
  switch (kind) {
    case Kind::button:
      return qobject_cast<PushButton*>(control)->caption();
    case Kind::label:
      return qobject_cast<TransparentLabel*>(control)->caption();
    case Kind::edit:
      return qobject_cast<EditBox*>(control)->text();
    case Kind::group:
      return qobject_cast<GroupBox*>(control)->title().toStdString();
    default:
      return "";
  }
}

bool is_kind(QObject* control, Kind kind) {
  switch (kind) {
    case Kind::button:
      return qobject_cast<PushButton*>(control) != nullptr;
    case Kind::label:
      return qobject_cast<TransparentLabel*>(control) != nullptr;
    case Kind::edit:
      return qobject_cast<EditBox*>(control) != nullptr;
    case Kind::group:
      return qobject_cast<GroupBox*>(control) != nullptr;
    case Kind::slider:
      return qobject_cast<Slider*>(control) != nullptr;
    case Kind::timer:
      return qobject_cast<Timer*>(control) != nullptr;
    case Kind::dialog:
      return qobject_cast<FileDialog*>(control) != nullptr;
    case Kind::player:
      return false;
  }
  return false;
}

TEST_F(StartedWindow, HasTheTwentySixControlsWhereTheLayoutPutsThem) {
  ASSERT_NE(controls, nullptr);
  auto* group = window->findChild<GroupBox*>("分组框1");
  for (const Expected& e : expected_controls) {
    SCOPED_TRACE(e.name);
    if (e.kind == Kind::player) {
      EXPECT_EQ(window->findChild<QObject*>(e.name), nullptr) << "the player is no widget";
      continue;
    }
    QObject* control = window->findChild<QObject*>(e.name);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(is_kind(control, e.kind));
    EXPECT_EQ(control->parent(), e.kind == Kind::group ? static_cast<QObject*>(window) : group);
    EXPECT_EQ(text_of(control, e.kind), e.text);
    auto* widget = qobject_cast<QWidget*>(control);
    if (widget == nullptr) {
      EXPECT_FALSE(e.shown) << "timers and dialogs are never visible";
      EXPECT_FALSE(e.tab);
      continue;
    }
    EXPECT_EQ(widget->geometry(), e.place);
    EXPECT_EQ(widget->isVisible(), e.shown);
    EXPECT_EQ((widget->focusPolicy() & Qt::TabFocus) != 0, e.tab);
    EXPECT_TRUE(widget->isEnabled());
  }
}

TEST_F(StartedWindow, TheDescriptionListsTheControlsInTheLayoutsOrder) {
  const WindowDescription& description = window_description();
  ASSERT_EQ(description.controls.size(), std::size(expected_controls));
  for (std::size_t i = 0; i < description.controls.size(); ++i) {
    EXPECT_EQ(description.controls[i].name, expected_controls[i].name);
  }
}

TEST_F(StartedWindow, ControlsAreCreatedFromTheLastRowUp) {
  std::vector<std::string> created;
  for (QObject* child : window->findChild<GroupBox*>("分组框1")->children()) {
    if (!child->objectName().isEmpty()) created.push_back(child->objectName().toStdString());
  }
  std::vector<std::string> expected;
  for (auto row = std::rbegin(expected_controls) + 1; row != std::rend(expected_controls); ++row) {
    if (row->kind != Kind::player) expected.emplace_back(row->name);
  }
  EXPECT_EQ(created, expected);
}

TEST_F(StartedWindow, IsShownCentredWithItsOuterSizeFixed) {
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Ringlark - Veltrano荣誉出品");
  const QRect screen = window->screen()->geometry();
  const QRect expected(screen.x() + (screen.width() - 574) / 2, screen.y() + (screen.height() - 246) / 2, 574,
                       246);
  EXPECT_EQ(window->frameGeometry(), expected);
  EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the border cannot resize it";
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(window->parentWidget(), nullptr) << "no owner: it shows in the taskbar";
}

TEST(MainWindowCentring, HalvesTheSpareRoomTruncatingTowardZero) {
  struct Case {
    QRect screen;
    QPoint expected;
  };
  const Case cases[] = {
      {{0, 0, 1024, 768}, {225, 261}},
      {{0, 0, 1025, 769}, {225, 261}},
      {{1920, 0, 1280, 1024}, {1920 + 353, 389}},
      {{0, 0, 400, 200}, {-87, -23}},  // smaller than the window: placed as computed
      {{0, 0, 573, 245}, {0, 0}},      // -1 / 2 truncates to 0
  };
  for (const Case& c : cases)
    EXPECT_EQ(MainWindow::centred(c.screen, {574, 246}), c.expected) << c.screen.width();
}

TEST_F(StartedWindow, CarriesTheIconAtEverySize) {
  const QList<QSize> sizes = window->windowIcon().availableSizes();
  for (int size : {16, 24, 32, 48, 256}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

TEST_F(StartedWindow, StartsWithEmptyReadOutsAndTheSliderAtOneOfTen) {
  EXPECT_EQ(controls->滑块条1.minimum(), 1);
  EXPECT_EQ(controls->滑块条1.maximum(), 10);
  EXPECT_EQ(controls->滑块条1.position(), 1);
  for (TransparentLabel* read_out :
       {&controls->标签2, &controls->标签4, &controls->标签7, &controls->标签10}) {
    EXPECT_EQ(read_out->caption(), "");
  }
  for (Timer* timer : {&controls->时钟1, &controls->时钟2, &controls->时钟3}) {
    EXPECT_EQ(timer->period(), 0);
    EXPECT_FALSE(timer->is_running());
  }
  EXPECT_EQ(controls->媒体播放1.position_ms(), -1) << "nothing open";
}

TEST_F(StartedWindow, TheOpenDialogStartsOnTheDesktop) {
  const FileDialog& open = controls->通用对话框1;
  EXPECT_EQ(open.initial_directory(), desktop_folder());
  EXPECT_EQ(open.kind(), FileDialogKind::open);
  EXPECT_EQ(open.title(), "");
  EXPECT_EQ(open.file_name(), "");
  EXPECT_EQ(open.filter(), "");
  EXPECT_EQ(open.default_extension(), "");
  EXPECT_TRUE(open.file_must_exist());
  EXPECT_TRUE(open.folder_must_exist());
  EXPECT_EQ(open.owner(), window);
}

TEST_F(StartedWindow, TheSaveDialogHoldsItsSettings) {
  const FileDialog& save = controls->通用对话框2;
  EXPECT_EQ(save.kind(), FileDialogKind::save);
  EXPECT_EQ(save.title(), "保存铃声");
  EXPECT_EQ(save.file_name(), "");
  EXPECT_EQ(save.filter(), "mp3文件|*.mp3");
  EXPECT_EQ(save.initial_directory(), "");
  EXPECT_EQ(save.default_extension(), "mp3");
  EXPECT_TRUE(save.ask_before_overwriting());
  EXPECT_TRUE(save.folder_must_exist());
  EXPECT_EQ(save.owner(), window);
}

}  // namespace
}  // namespace ringlark
