#include "app/event_wiring.h"

#include <array>

#include "app/window_created.h"
#include "playback/mark_commands.h"

namespace ringlark {
namespace {

// Add a row per handler: the lambda adapts the handler's own parameters to the context.
constexpr std::array wiring{
    WiringRow{"", Event::created, [](Context& c) { window_created(c.window, c.controls); }},
    WiringRow{"按钮7", Event::clicked, [](Context& c) { set_start(c.controls, c.state); }},
    WiringRow{"按钮8", Event::clicked, [](Context& c) { set_end(c.controls, c.state); }},
};

template <class Control>
Control* find(MainWindow& window, std::string_view name) {
  return window.findChild<Control*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

bool wire(const WiringRow& row, Context& context) {
  const auto call = [&context, handler = row.handler] { handler(context); };
  switch (row.event) {
    case Event::created:
      if (!row.control.empty()) return false;
      context.window.on_created(call);
      return true;
    case Event::clicked:
      if (auto* button = find<PushButton>(context.window, row.control)) {
        button->on_clicked(call);
        return true;
      }
      return false;
    case Event::position_changed:
      if (auto* slider = find<Slider>(context.window, row.control)) {
        slider->on_position_changed(call);
        return true;
      }
      return false;
    case Event::tick:
      if (auto* timer = find<Timer>(context.window, row.control)) {
        timer->on_tick(call);
        return true;
      }
      return false;
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
