#pragma once

#include <memory>
#include <optional>

#include "app/event_wiring.h"
#include "app/main_window.h"
#include "core/program_state.h"
#include "platform/controls.h"
#include "platform/media_player.h"
#include "platform/mp3_player.h"

namespace ringlark {

// One run of the program, from the window's creation to the exit clean-up.
class Program {
 public:
  Program(std::unique_ptr<MediaPlayer> media_player, std::unique_ptr<Mp3Player> preview_player);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Builds the window hidden from its description, wires the events and raises created, whose
  // handler shows the window. False when the window cannot be built.
  bool create_window();

  // The message loop until the window is closed, then the shutdown: the window, its controls
  // and the media player go, the exit clean-up runs (once), and the preview player stops last.
  // Gives the exit code, 0.
  int run_until_closed();

  MainWindow* window() { return window_.get(); }
  Controls* controls() { return controls_ ? &*controls_ : nullptr; }
  ProgramState& state() { return state_; }
  int exit_cleanups_run() const { return exit_cleanups_run_; }

 private:
  void exit_cleanup();

  ProgramState state_;  // first, so it holds its start values before anything else exists
  std::unique_ptr<Mp3Player> preview_player_;
  std::unique_ptr<MediaPlayer> media_player_;
  std::unique_ptr<MainWindow> window_;
  std::optional<Controls> controls_;
  std::optional<Context> context_;
  int exit_cleanups_run_ = 0;
};

}  // namespace ringlark
