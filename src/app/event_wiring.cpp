#include "app/event_wiring.h"

#include <array>

#include "app/window_created.h"
#include "output/preview_ringtone.h"
#include "output/save_ringtone.h"
#include "playback/mark_commands.h"
#include "playback/playback_commands.h"
#include "playback/playback_timers.h"

namespace ringlark {
namespace {

// Add a row per handler: the lambda adapts the handler's own parameters to the context.
constexpr std::array wiring{
    WiringRow{"", Event::created, [](Context& c) { window_created(c.window, c.controls); }},
    WiringRow{"按钮1", Event::clicked, [](Context& c) { browse(c.controls); }},
    WiringRow{"按钮2", Event::clicked, [](Context& c) { play(c.controls, c.state); }},
    WiringRow{"按钮3", Event::clicked, [](Context& c) { pause_or_resume(c.controls); }},
    WiringRow{"按钮4", Event::clicked, [](Context& c) { stop(c.controls); }},
    WiringRow{"按钮7", Event::clicked, [](Context& c) { set_start(c.controls, c.state); }},
    WiringRow{"按钮8", Event::clicked, [](Context& c) { set_end(c.controls, c.state); }},
    WiringRow{"按钮9", Event::clicked, [](Context& c) { save_ringtone(c.controls, c.state); }},
    WiringRow{"按钮10", Event::clicked,
              [](Context& c) { preview_ringtone(c.controls, c.state, c.preview_player); }},
    WiringRow{"滑块条1", Event::position_changed, [](Context& c) { seek(c.controls); }},
    WiringRow{"时钟1", Event::tick, [](Context& c) { clock_tick(c.controls); }},
    WiringRow{"时钟2", Event::tick, [](Context& c) { end_mark_watch(c.controls, c.state); }},
};

// Gives `call` to the event of the control named `name`, if there is one of that kind.
template <class Control>
bool bind_event(MainWindow& window, std::string_view name, void (Control::*on_event)(std::function<void()>),
                std::function<void()> call) {
  auto* control =
      window.findChild<Control*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  if (control == nullptr) return false;
  (control->*on_event)(std::move(call));
  return true;
}

bool wire(const WiringRow& row, Context& context) {
  const auto call = [&context, handler = row.handler] { handler(context); };
  switch (row.event) {
    case Event::created:
      if (!row.control.empty()) return false;
      context.window.on_created(call);
      return true;
    case Event::clicked:
      return bind_event(context.window, row.control, &PushButton::on_clicked, call);
    case Event::position_changed:
      return bind_event(context.window, row.control, &Slider::on_position_changed, call);
    case Event::tick:
      return bind_event(context.window, row.control, &Timer::on_tick, call);
  }
  return false;
}

}  // namespace

std::span<const WiringRow> event_wiring() { return wiring; }

std::vector<std::string> wire_events(std::span<const WiringRow> rows, Context& context) {
  std::vector<std::string> missing;
  for (const WiringRow& row : rows) {
    if (!wire(row, context)) missing.emplace_back(row.control);
  }
  return missing;
}

}  // namespace ringlark
