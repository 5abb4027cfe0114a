// SPDX-License-Identifier: AGPL-3.0-or-later
// Starts each program many times, alternating, on a private Xvfb server and
// compares the median wall time to the first paint and the median peak
// memory: kelvra against a plain Qt window, and against itself built without
// the lookup module. Usage: startup_bench [runs]
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

struct Sample {
  double seconds;
  long peakKiB;
};

pid_t Spawn(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

bool Run(const std::string& program, Sample& sample) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = Spawn({program});
  if (pid < 0) return false;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  sample.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  sample.peakKiB = usage.ru_maxrss;
  return true;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  const std::string dir = std::string(argv[0]).substr(0, std::string(argv[0]).rfind('/') + 1);
  const std::vector<std::pair<std::string, std::string>> programs = {
      {"minimal Qt window", dir + "minimal_window"},
      {"kelvra entry form", dir + "kelvra_probe"},
      {"kelvra, no lookup", dir + "kelvra_probe_without_lookup"}};

  // A private X server: offscreen rendering would hide what X costs.
  const std::string display = ":" + std::to_string(70 + getpid() % 20);
  const pid_t xvfb = Spawn({"Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
  if (xvfb < 0) {
    std::fprintf(stderr, "startup_bench: cannot start Xvfb\n");
    return 1;
  }
  const std::string socket = "/tmp/.X11-unix/X" + display.substr(1);
  struct stat info {};
  for (int i = 0; i < 100 && stat(socket.c_str(), &info) != 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  setenv("DISPLAY", display.c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  if (!getenv("XDG_RUNTIME_DIR")) {
    char runtime[] = "/tmp/kelvra-bench-XXXXXX";
    if (mkdtemp(runtime)) setenv("XDG_RUNTIME_DIR", runtime, 1);
  }

  std::vector<std::vector<Sample>> samples(programs.size());
  bool ok = true;
  for (int run = 0; run < runs + 1 && ok; ++run) {
    for (std::size_t p = 0; p < programs.size() && ok; ++p) {
      Sample sample{};
      ok = Run(programs[p].second, sample);
      if (!ok) std::fprintf(stderr, "startup_bench: %s failed\n", programs[p].second.c_str());
      if (run > 0) samples[p].push_back(sample);  // the first round only warms the caches
    }
  }
  kill(xvfb, SIGTERM);
  waitpid(xvfb, nullptr, 0);
  if (!ok) return 1;

  std::vector<double> time(programs.size());
  std::vector<long> memory(programs.size());
  for (std::size_t p = 0; p < programs.size(); ++p) {
    std::vector<double> seconds;
    std::vector<long> kib;
    for (const auto& s : samples[p]) {
      seconds.push_back(s.seconds);
      kib.push_back(s.peakKiB);
    }
    time[p] = Median(seconds);
    memory[p] = Median(kib);
    std::printf("%-20s start to first paint %7.1f ms   peak memory %7.1f MiB   (median of %d)\n",
                programs[p].first.c_str(), time[p] * 1000, memory[p] / 1024.0, runs);
  }
  std::printf("\nkelvra / minimal window: time %.2f, memory %.2f  (goal <= 1.5 each)\n", time[1] / time[0],
              static_cast<double>(memory[1]) / memory[0]);
  std::printf("kelvra / kelvra without lookup module: time %.2f, memory %.2f  (goal <= 1.05 each)\n",
              time[1] / time[2], static_cast<double>(memory[1]) / memory[2]);
  return 0;
}
