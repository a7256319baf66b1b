// Start-up as the user sees it, measured from outside so that the program needs no option for it:
// from spawning the process until its first top-level window is mapped and its event loop has
// answered two _NET_WM_PING messages, the second sent after the first came back, so the window
// has handled its first expose and the program waits for input.
//   window_ready [--keep] program [arguments...]
// Prints "mapped_ms=… ready_ms=… pid=… window=…"; the program's own output goes to stderr. The
// program is then terminated, or left running with --keep (for driving it further). Needs an X
// server without a window manager (a private Xvfb): a manager would reparent and answer pings.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::seconds kTimeout{30};

double ms_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The next event that `wanted` accepts, or nothing once the deadline passes.
template <class Predicate>
std::optional<XEvent> wait_for(Display* display, Clock::time_point deadline, Predicate wanted) {
  while (true) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (wanted(event)) return event;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return std::nullopt;
    pollfd connection{XConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(left.count()));
  }
}

bool ping(Display* display, Window window, Window root, long token, Clock::time_point deadline) {
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const Atom net_wm_ping = XInternAtom(display, "_NET_WM_PING", False);
  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = window;
  message.xclient.message_type = protocols;
  message.xclient.format = 32;
  message.xclient.data.l[0] = static_cast<long>(net_wm_ping);
  message.xclient.data.l[1] = token;  // stands in for the timestamp, so each answer is told apart
  message.xclient.data.l[2] = static_cast<long>(window);
  XSendEvent(display, window, False, NoEventMask, &message);
  XFlush(display);
  // The answer goes to the root window, to clients that listen for its structure events.
  const auto answer = [&](const XEvent& event) {
    return event.type == ClientMessage && event.xclient.window == root &&
           event.xclient.message_type == protocols &&
           static_cast<Atom>(event.xclient.data.l[0]) == net_wm_ping && event.xclient.data.l[1] == token;
  };
  return wait_for(display, deadline, answer).has_value();
}

void end(pid_t pid) {
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  const bool keep = argc > 1 && std::string_view(argv[1]) == "--keep";
  if (keep) ++first;
  if (first >= argc) {
    std::fprintf(stderr, "usage: window_ready [--keep] program [arguments...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "window_ready: cannot open the display\n");
    return 1;
  }
  const Window root = XDefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask | StructureNotifyMask);
  XSync(display, False);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
  std::vector<char*> arguments(argv + first, argv + argc);
  arguments.push_back(nullptr);

  const Clock::time_point start = Clock::now();
  const Clock::time_point deadline = start + kTimeout;
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[first], &actions, nullptr, arguments.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    std::fprintf(stderr, "window_ready: cannot start %s: %s\n", argv[first], std::strerror(spawned));
    return 1;
  }

  const std::optional<XEvent> mapped = wait_for(display, deadline, [&](const XEvent& event) {
    return event.type == MapNotify && event.xmap.event == root && event.xmap.override_redirect == False;
  });
  if (!mapped) {
    std::fprintf(stderr, "window_ready: no window was mapped\n");
    end(pid);
    return 1;
  }
  const double mapped_ms = ms_since(start);
  const Window window = mapped->xmap.window;
  if (!ping(display, window, root, 1, deadline) || !ping(display, window, root, 2, deadline)) {
    std::fprintf(stderr, "window_ready: the window did not answer\n");
    end(pid);
    return 1;
  }
  const double ready_ms = ms_since(start);
  std::printf("mapped_ms=%.1f ready_ms=%.1f pid=%d window=%lu\n", mapped_ms, ready_ms, static_cast<int>(pid),
              window);
  std::fflush(stdout);
  XCloseDisplay(display);
  if (!keep) end(pid);
  return 0;
}
