// SPDX-License-Identifier: AGPL-3.0-or-later
// What the user waits for at start-up: from process start until the X server
// maps the program's window. Starts kelvra, an empty Qt window of the same
// size, one with only a menu bar and a label, and kelvra built without the
// lookup module many times, alternating, on
// a private Xvfb server, once with a private session bus (as on a desktop)
// and once without one, and compares the medians of time to map and of peak
// memory. Usage: startup_bench [runs [program...]]: programs named after the
// number of runs are measured beside the others, to weigh a change against a
// copy of the program built before it.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// How long a program runs on after its window is mapped before it is ended:
// its first paint and whatever it does one event-loop turn later (the window
// icon) count towards its peak memory too.
constexpr auto kSettle = std::chrono::milliseconds(300);
// After a program ends, the X server and the bus go on tidying up after it
// for a while; a pause keeps that from slowing down the next program started.
constexpr auto kPause = std::chrono::milliseconds(250);
constexpr auto kMapTimeout = std::chrono::seconds(30);

struct Sample {
  double seconds = 0;
  long peakKiB = 0;
  int width = 0, height = 0;
};

struct Program {
  std::string name;
  std::string path;
};

struct Case {
  const char* name;
  std::vector<std::string> environment;  ///< "NAME=value" for every child
};

pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& environment, bool quiet) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (const auto& e : environment) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (quiet) {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  }
  pid_t pid = 0;
  const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  return failed ? -1 : pid;
}

// This process's environment with `name` replaced, or removed if `value` is empty.
std::vector<std::string> Environment(const std::vector<std::pair<std::string, std::string>>& changes) {
  std::vector<std::string> result;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    const bool changed = std::any_of(changes.begin(), changes.end(),
                                     [&](const auto& change) { return entry.rfind(change.first + '=', 0) == 0; });
    if (!changed) result.push_back(entry);
  }
  for (const auto& [name, value] : changes) {
    if (!value.empty()) result.push_back(name + '=' + value);
  }
  return result;
}

// Reads one line a child prints on `fd`; empty when it prints none.
std::string ReadLine(int fd) {
  std::string line;
  char c = 0;
  while (read(fd, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

/// A private X server that tells its display number once it accepts clients.
class XServer {
 public:
  XServer() {
    int ready[2];
    if (pipe(ready) != 0) return;
    pid_ = Spawn({"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
                 Environment({}), true);
    close(ready[1]);
    if (pid_ > 0) {
      const std::string number = ReadLine(ready[0]);
      if (!number.empty()) display_ = ":" + number;
    }
    close(ready[0]);
  }
  ~XServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

/// A private session bus with the accessibility registry on it, as a
/// desktop session has.
class SessionBus {
 public:
  SessionBus() {
    std::FILE* out = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
    if (!out) return;
    char line[512] = {};
    if (std::fgets(line, sizeof line, out)) address_ = std::strtok(line, "\n");
    if (std::fgets(line, sizeof line, out)) pid_ = std::atoi(line);
    pclose(out);
    if (pid_ <= 0) {
      address_.clear();
      return;
    }
    // Asking for the accessibility bus starts the registry's launcher, which
    // every desktop session runs.
    const pid_t ask = Spawn({"dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                             "org.a11y.Bus.GetAddress"},
                            Environment({{"DBUS_SESSION_BUS_ADDRESS", address_}}), true);
    int status = 1;
    if (ask > 0) waitpid(ask, &status, 0);
    registry_ = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  ~SessionBus() {
    if (pid_ > 0) kill(pid_, SIGTERM);
  }
  const std::string& address() const { return address_; }
  bool hasRegistry() const { return registry_; }

 private:
  pid_t pid_ = -1;
  std::string address_;
  bool registry_ = false;
};

/// Watches the X server for new top-level windows being mapped.
class MapWatcher {
 public:
  explicit MapWatcher(const std::string& display) : x_(xcb_connect(display.c_str(), nullptr)) {
    if (xcb_connection_has_error(x_)) return;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(x_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x_, root_, XCB_CW_EVENT_MASK, &mask);
    const char name[] = "_NET_WM_PID";
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
        xcb_intern_atom_reply(x_, xcb_intern_atom(x_, 0, sizeof name - 1, name), nullptr), &free);
    if (atom) pidAtom_ = atom->atom;
  }
  ~MapWatcher() { xcb_disconnect(x_); }
  bool ok() const { return !xcb_connection_has_error(x_) && pidAtom_ != XCB_NONE; }

  /// Forgets the events of earlier programs.
  void drain() {
    free(xcb_get_input_focus_reply(x_, xcb_get_input_focus(x_), nullptr));  // a round trip: all events are in
    while (xcb_generic_event_t* event = xcb_poll_for_event(x_)) free(event);
  }

  /// Waits until `pid` maps a top-level window; takes the time when the X
  /// server's report arrives. Nothing if the program ends first.
  std::optional<std::pair<Clock::time_point, xcb_window_t>> waitForMap(pid_t pid) {
    const auto deadline = Clock::now() + kMapTimeout;
    while (Clock::now() < deadline) {
      pollfd watch{xcb_get_file_descriptor(x_), POLLIN, 0};
      poll(&watch, 1, 10);
      while (xcb_generic_event_t* event = xcb_poll_for_event(x_)) {
        const auto arrived = Clock::now();
        std::optional<xcb_window_t> mapped;
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
          const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
          if (!map->override_redirect) mapped = map->window;  // not a menu or tool tip
        }
        free(event);
        if (mapped && ownerOf(*mapped) == pid) return std::pair{arrived, *mapped};
      }
      if (xcb_connection_has_error(x_) || waitpid(pid, nullptr, WNOHANG) != 0) return std::nullopt;
    }
    return std::nullopt;
  }

  std::pair<int, int> size(xcb_window_t window) {
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&free)> geometry(
        xcb_get_geometry_reply(x_, xcb_get_geometry(x_, window), nullptr), &free);
    return geometry ? std::pair{int(geometry->width), int(geometry->height)} : std::pair{0, 0};
  }

 private:
  pid_t ownerOf(xcb_window_t window) {
    std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(x_, xcb_get_property(x_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr),
        &free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4) return -1;
    return static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(reply.get())));
  }

  xcb_connection_t* x_;
  xcb_window_t root_ = XCB_NONE;
  xcb_atom_t pidAtom_ = XCB_NONE;
};

bool Launch(MapWatcher& watcher, const Program& program, const Case& run, Sample& sample) {
  watcher.drain();
  const auto start = Clock::now();
  const pid_t pid = Spawn({program.path}, run.environment, false);
  if (pid < 0) return false;
  const auto mapped = watcher.waitForMap(pid);
  if (mapped) {
    sample.seconds = std::chrono::duration<double>(mapped->first - start).count();
    std::tie(sample.width, sample.height) = watcher.size(mapped->second);
    std::this_thread::sleep_for(kSettle);
  }
  kill(pid, SIGKILL);  // the program need not know how to end itself
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  sample.peakKiB = usage.ru_maxrss;
  std::this_thread::sleep_for(kPause);
  return mapped && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void PrintLoad(const char* when) {
  double load[3] = {};
  if (getloadavg(load, 3) == 3) std::printf("load average %s: %.2f %.2f %.2f\n", when, load[0], load[1], load[2]);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  std::vector<Program> programs = {{"minimal Qt window", KELVRA_MINIMAL_WINDOW},
                                   {"kelvra", KELVRA_APP},
                                   {"kelvra, no lookup", KELVRA_WITHOUT_LOOKUP},
                                   {"menu bar and label", KELVRA_MENU_LABEL_WINDOW}};
  for (int i = 2; i < argc; ++i) {
    const std::string path = argv[i];
    programs.push_back({path.substr(path.rfind('/') + 1), path});
  }

  // A private X server: offscreen rendering would hide what X costs.
  XServer server;
  if (server.display().empty()) {
    std::fprintf(stderr, "startup_bench: cannot start Xvfb\n");
    return 1;
  }
  MapWatcher watcher(server.display());
  if (!watcher.ok()) {
    std::fprintf(stderr, "startup_bench: cannot watch %s\n", server.display().c_str());
    return 1;
  }
  // Qt wants a runtime folder of its own; a missing one costs a warning per run.
  char runtime[] = "/tmp/kelvra-bench-XXXXXX";
  const char* runtimeDir = getenv("XDG_RUNTIME_DIR");
  const bool ownRuntimeDir = !runtimeDir;
  if (ownRuntimeDir) runtimeDir = mkdtemp(runtime);
  if (!runtimeDir) {
    std::fprintf(stderr, "startup_bench: cannot make a runtime folder\n");
    return 1;
  }
  const std::unique_ptr<const char, void (*)(const char*)> removeRuntimeDir(
      ownRuntimeDir ? runtimeDir : nullptr, [](const char* dir) { rmdir(dir); });
  SessionBus bus;
  if (bus.address().empty()) {
    std::fprintf(stderr, "startup_bench: cannot start dbus-daemon\n");
    return 1;
  }
  const std::vector<std::pair<std::string, std::string>> common = {
      {"DISPLAY", server.display()}, {"QT_QPA_PLATFORM", "xcb"}, {"XDG_RUNTIME_DIR", runtimeDir}};
  auto with = [&](std::string address) {
    auto changes = common;
    changes.emplace_back("DBUS_SESSION_BUS_ADDRESS", std::move(address));
    return Environment(changes);
  };
  const std::vector<Case> cases = {{"with a session bus", with(bus.address())},
                                   {"without a session bus", with("")}};

  PrintLoad("before");
  // samples[case][program]; every round starts each program once in each case,
  // so a burst of load elsewhere weighs on all of them alike.
  std::vector<std::vector<std::vector<Sample>>> samples(cases.size(),
                                                       std::vector<std::vector<Sample>>(programs.size()));
  for (int round = 0; round <= runs; ++round) {
    for (std::size_t c = 0; c < cases.size(); ++c) {
      for (std::size_t p = 0; p < programs.size(); ++p) {
        Sample sample;
        if (!Launch(watcher, programs[p], cases[c], sample)) {
          std::fprintf(stderr, "startup_bench: %s (%s) did not map its window\n", programs[p].path.c_str(),
                       cases[c].name);
          return 1;
        }
        if (round > 0) samples[c][p].push_back(sample);  // the first round only warms the caches
      }
    }
  }
  PrintLoad("after ");

  std::printf("\nFrom process start until the X server maps the window; peak memory %lld ms after; median of %d\n",
              static_cast<long long>(kSettle.count()), runs);
  if (!bus.hasRegistry()) std::printf("(the session bus has no accessibility registry: at-spi2-core is missing)\n");
  for (std::size_t c = 0; c < cases.size(); ++c) {
    std::printf("\n%s\n", cases[c].name);
    std::vector<double> time(programs.size());
    std::vector<double> memory(programs.size());
    for (std::size_t p = 0; p < programs.size(); ++p) {
      std::vector<double> seconds, kib;
      for (const Sample& s : samples[c][p]) {
        seconds.push_back(s.seconds);
        kib.push_back(s.peakKiB);
      }
      time[p] = Median(seconds);
      memory[p] = Median(kib);
      const Sample& last = samples[c][p].back();
      std::printf("  %-18s mapped after %6.1f ms   peak memory %5.1f MiB   window %dx%d\n", programs[p].name.c_str(),
                  time[p] * 1000, memory[p] / 1024, last.width, last.height);
    }
    for (std::size_t p = 3; p < programs.size(); ++p) {  // the yardstick and any extra programs
      std::printf("  %s / minimal window:  time %.2f, memory %.2f\n", programs[p].name.c_str(), time[p] / time[0],
                  memory[p] / memory[0]);
    }
    std::printf("  kelvra / minimal window:  time %.2f, memory %.2f  (goal <= 1.4 each, 1.35 if reachable)\n",
                time[1] / time[0], memory[1] / memory[0]);
    std::printf("  kelvra / menu bar and label:  time %.2f, memory %.2f  (the form's own share)\n",
                time[1] / time[3], memory[1] / memory[3]);
    std::printf("  kelvra / without lookup:  time %.2f, memory %.2f  (goal <= 1.05 each)\n", time[1] / time[2],
                memory[1] / memory[2]);
  }
  return 0;
}
