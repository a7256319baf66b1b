#include "app/program.h"

#include <QEventLoop>

#include "app/window_description.h"

namespace ringlark {

Program::Program(std::unique_ptr<MediaPlayer> media_player, std::unique_ptr<Mp3Player> preview_player)
    : preview_player_(std::move(preview_player)), media_player_(std::move(media_player)) {}

Program::~Program() = default;

bool Program::create_window() {
  window_ = create_main_window(window_description());
  if (!window_) return false;
  std::optional<Controls> found = find_controls(*window_, *media_player_);
  if (!found) return false;
  controls_.emplace(*found);
  context_.emplace(Context{*window_, *controls_, state_, *preview_player_});
  if (!wire_events(event_wiring(), *context_).empty()) return false;
  window_->raise_created();
  // The description marks the window as shown; the created handler has shown it already.
  window_->show();
  return true;
}

int Program::run_until_closed() {
  if (window_ && window_->isVisible()) {
    QEventLoop loop;
    QObject::connect(window_.get(), &MainWindow::closed, &loop, &QEventLoop::quit);
    loop.exec();
  }
  // Destroying the window stops its timers; the media player then closes its file.
  context_.reset();
  controls_.reset();
  window_.reset();
  media_player_.reset();
  exit_cleanup();
  // The platform's own clean-up: a preview still sounding stops and its threads end.
  if (preview_player_) preview_player_->stop();
  preview_player_.reset();
  return 0;
}

void Program::exit_cleanup() {
  if (exit_cleanups_run_ > 0) return;
  ++exit_cleanups_run_;
  ByteBuffer().swap(state_.ringtone_data);
}

}  // namespace ringlark
