#include "app/startup.h"

#include <cfenv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include <QApplication>
#include <QDir>

#include "app/players.h"
#include "app/program.h"

namespace ringlark {
namespace {

void report_no_window(const std::string& reason) {
  std::fprintf(stderr, "ringlark: cannot create the window: %s\n", reason.c_str());
  std::fflush(stderr);
}

bool is_set(const char* variable) { return variable != nullptr && *variable != '\0'; }

// Qt's messages while it connects to the display. Kept back, so that a failure prints one
// line of ours instead of Qt's several and its abort.
struct HeldMessage {
  QtMsgType type;
  QString text;
};
std::vector<HeldMessage>* held_messages = nullptr;

std::string first_line(const QString& text) { return text.section(u'\n', 0, 0).trimmed().toStdString(); }

void hold_or_fail(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
  if (type != QtFatalMsg) {
    held_messages->push_back({type, text});
    return;
  }
  // Qt calls abort() after a fatal message; leaving first keeps the process from crashing.
  // The reason Qt gave before giving up names the display; its fatal text is the fallback.
  std::string reason = first_line(text);
  for (const HeldMessage& message : *held_messages) {
    if (message.type == QtWarningMsg || message.type == QtCriticalMsg) {
      reason = first_line(message.text);
      break;
    }
  }
  report_no_window(reason);
  std::_Exit(window_failed_exit_code);
}

class HoldQtMessages {
 public:
  HoldQtMessages() : previous_(qInstallMessageHandler(hold_or_fail)) { held_messages = &messages_; }
  ~HoldQtMessages() {
    qInstallMessageHandler(previous_);
    held_messages = nullptr;
    const QMessageLogContext no_context;
    for (const HeldMessage& message : messages_) previous_(message.type, no_context, message.text);
  }
  HoldQtMessages(const HoldQtMessages&) = delete;
  HoldQtMessages& operator=(const HoldQtMessages&) = delete;

 private:
  QtMessageHandler previous_;
  std::vector<HeldMessage> messages_;
};

DisplayEnvironment environment() {
  return {std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY")};
}

}  // namespace

std::string missing_display_reason(const DisplayEnvironment& environment) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  const std::string_view platform = is_set(environment.qpa_platform) ? environment.qpa_platform : "";
  if (platform.empty() && !is_set(environment.display) && !is_set(environment.wayland_display)) {
    return "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
  }
  if (platform == "xcb" && !is_set(environment.display)) return "no X display (DISPLAY is not set)";
#else
  static_cast<void>(environment);
#endif
  return {};
}

void reset_floating_point() {
  std::fenv_t previous;
  std::feholdexcept(&previous);
  std::fesetround(FE_TONEAREST);
}

int run(int argc, char** argv) {
  if (const std::string reason = missing_display_reason(environment()); !reason.empty()) {
    report_no_window(reason);
    return window_failed_exit_code;
  }
  std::optional<QApplication> application;
  {
    const HoldQtMessages hold;
    application.emplace(argc, argv);
  }
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  reset_floating_point();
  // The engine outlives the program, whose shutdown ends both players.
  AudioEngine audio_engine;
  Program program(make_media_player(audio_engine), make_preview_player(audio_engine));
  if (!program.create_window()) {
    report_no_window("the window description does not match the controls");
    return window_failed_exit_code;
  }
  return program.run_until_closed();
}

}  // namespace ringlark
