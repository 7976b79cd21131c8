#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench) and prints the performance table as
# markdown: per-event and per-press costs headless and with the Qt peers on the offscreen
# platform, each Qt row that draws beside a bare Qt window fed the same events (its floor),
# the building of the settings window, and the start-up against a bare Qt window.
#
#   bash scripts/bench.sh            medians of 5 repetitions
#   bash scripts/bench.sh --quick    one repetition each, for a first look
#
# The build runs CMAKE_BUILD_PARALLEL_LEVEL jobs, or one per core when it is not set.
#
# Installs what it needs as scripts/setup.sh does. Each step says on standard error when it
# begins. The build's output goes to build-bench/build.log, Google Benchmark's own console
# output to build-bench/bench.log; if a step fails, the script says which on its standard
# error, with the end of its log, and exits with status 1.
set -euo pipefail
cd "$(dirname "$0")/.."

repetitions=5
runs=21
case "${1:-}" in
  --quick) repetitions=1; runs=5 ;;
  "") ;;
  *) echo "usage: $0 [--quick]" >&2; exit 2 ;;
esac

# fail STEP STATUS [LOG]: says on standard error which step failed, and where its log is
# and how it ends, and exits.
fail() {
  if (($# > 2)); then
    echo "bench.sh: $1 failed (status $2); log: $3" >&2
    tail -n 20 "$3" >&2
  else
    echo "bench.sh: $1 failed (status $2)" >&2
  fi
  exit 1
}

step() { echo "bench.sh: $*" >&2; }
# CPU time in clock ticks: of the whole machine, and of this script's finished children.
machineTicks() { awk '/^cpu / { print $2 + $3 + $4 + $7 + $8 + $9 }' /proc/stat; }
ownTicks() { awk '{ print $16 + $17 }' /proc/$$/stat; }

# The table alone goes to standard output.
step "installing the packages (scripts/setup.sh)"
bash scripts/setup.sh >&2 || fail "installing the packages (scripts/setup.sh)" $?

build=${BENCH_BUILD_DIR:-build-bench}
mkdir -p "$build"
buildlog="$build/build.log"
step "building the benchmarks (Release, $build; log: $buildlog)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNUPIREO_BENCH=ON \
  -DNUPIREO_TESTS=OFF -DNUPIREO_SANITIZE=OFF >"$buildlog" 2>&1 ||
  fail "configuring the benchmark build" $? "$buildlog"
cmake --build "$build" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" \
  --target nupireo_bench nupireo_bench_qt nupireo_bench_startup \
  >>"$buildlog" 2>&1 || fail "building the benchmarks" $? "$buildlog"

flags=(--markdown --benchmark_min_time=0.3 --benchmark_repetitions="$repetitions")
# Repetitions of different rows in random turns: a change in the machine's load touches a
# row and its floor alike.
if ((repetitions > 1)); then
  flags+=(--benchmark_report_aggregates_only=true --benchmark_enable_random_interleaving=true)
fi
log="$build/bench.log"
: >"$log"
machineBefore=$(machineTicks)
ownBefore=$(ownTicks)
startedAt=$(date +%s.%N)
step "headless benchmarks (log: $log)"
headless=$("$build/bench/nupireo_bench" "${flags[@]}" 2>>"$log") ||
  fail nupireo_bench $? "$log"
step "Qt benchmarks on the offscreen platform, with their bare Qt floors"
qt=$("$build/bench/nupireo_bench_qt" "${flags[@]}" 2>>"$log") || fail nupireo_bench_qt $? "$log"
step "start-up, $runs runs of the program and of each bare window"
startup=$("$build/bench/nupireo_bench_startup" --markdown --runs "$runs" 2>>"$log") ||
  fail nupireo_bench_startup $? "$log"
# How many cores, on average, other processes kept busy while the benchmarks ran.
others=$(awk -v machine=$(($(machineTicks) - machineBefore)) -v own=$(($(ownTicks) - ownBefore)) \
  -v from="$startedAt" -v to="$(date +%s.%N)" -v hz="$(getconf CLK_TCK)" \
  'BEGIN { busy = (machine - own) / hz / (to - from); printf "%.1f", busy < 0 ? 0 : busy }')

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
qtversion=$(pkg-config --modversion Qt6Core 2>/dev/null || echo "?")
if ((repetitions > 1)); then what="medians of $repetitions repetitions"; else what="one run each"; fi
echo "Measured $(date -u +%Y-%m-%d) on ${cpu:-an unknown CPU} ($(nproc) cores), Qt $qtversion," \
  "Release build; times are $what, start-up the median of $runs runs each. While they ran," \
  "other processes kept on average $others of the $(nproc) cores busy."
echo
printf '%s\n' "$headless" | grep '^|'
printf '%s\n' "$qt" | grep '^|' | tail -n +3
printf '%s\n' "$startup" | grep '^|' | tail -n +3
