#pragma once

// The one place where events meet code: a fixed table of (control, event, handler).

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "core/program_state.h"
#include "platform/controls.h"
#include "platform/mp3_player.h"

namespace ringlark {

enum class Event { created, clicked, position_changed, tick };

// Everything a handler may touch during the run.
struct Context {
  MainWindow& window;
  Controls& controls;
  ProgramState& state;
  Mp3Player& preview_player;
};

using Handler = void (*)(Context&);

struct WiringRow {
  std::string_view control;  // empty: the window itself
  Event event;
  Handler handler;
};

std::span<const WiringRow> event_wiring();

// Binds each row to its control; gives the controls that are missing or of the wrong kind for
// their event (none with the program's own table).
std::vector<std::string> wire_events(std::span<const WiringRow> rows, Context& context);

}  // namespace ringlark
