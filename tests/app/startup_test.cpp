#include "app/startup.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>

#include <cfenv>
#include <string>

namespace ringlark {
namespace {

TEST(Startup, KnowsWhenThereIsNoDisplay) {
  struct Case {
    const char* platform;
    const char* display;
    const char* wayland;
    bool missing;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, true},    {"", "", "", true},
      {nullptr, ":0", nullptr, false},      {nullptr, nullptr, "wayland-0", false},
      {"xcb", nullptr, "wayland-0", true},  {"xcb", "", nullptr, true},
      {"xcb", ":1", nullptr, false},        {"offscreen", nullptr, nullptr, false},
      {"wayland", nullptr, nullptr, false},  // Qt itself finds out, and is caught then
  };
  for (const Case& c : cases) {
    const std::string reason = missing_display_reason({c.platform, c.display, c.wayland});
    EXPECT_EQ(!reason.empty(), c.missing)
        << (c.platform ? c.platform : "(unset)") << " " << (c.display ? c.display : "(unset)");
  }
}

TEST(Startup, ResetsTheFloatingPointUnit) {
  std::fesetround(FE_UPWARD);
  reset_floating_point();
  EXPECT_EQ(std::fegetround(), FE_TONEAREST);
  volatile double zero = 0.0;
  volatile double quotient = 1.0 / zero;  // masked: a flag and infinity, no trap
  EXPECT_TRUE(std::fetestexcept(FE_DIVBYZERO));
  EXPECT_GT(quotient, 1e308);
}

// The built program, run without a display: one line on stderr and the exit code -1 (255).
TEST(Startup, WithoutADisplayTheProgramEndsWithMinusOne) {
  struct Case {
    const char* what;
    const char* platform;  // null: unset
    const char* display;
  };
  const Case cases[] = {
      {"X11 asked, DISPLAY unset", "xcb", nullptr},
      {"X11 asked, DISPLAY empty", "xcb", ""},
      {"nothing asked, no display at all", nullptr, nullptr},
      {"a display that does not answer", "xcb", ":4321"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
    if (c.platform) environment.insert("QT_QPA_PLATFORM", c.platform);
    if (c.display) environment.insert("DISPLAY", c.display);
    environment.insert("XDG_RUNTIME_DIR", QDir::tempPath());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(RINGLARK_EXECUTABLE, {});
    ASSERT_TRUE(program.waitForFinished(30'000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no crash";
    EXPECT_EQ(program.exitCode(), 255);
    const QStringList lines =
        QString::fromUtf8(program.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << lines.join(" | ").toStdString();
    EXPECT_TRUE(lines.first().startsWith("ringlark: cannot create the window: "))
        << lines.first().toStdString();
    EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
  }
}

}  // namespace
}  // namespace ringlark
