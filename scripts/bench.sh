#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench) and prints the performance table as
# markdown: per-event and per-press costs headless and with the Qt peers on the offscreen
# platform, the building of the settings window, and the start-up against a bare Qt window.
#
#   bash scripts/bench.sh            medians of 5 repetitions
#   bash scripts/bench.sh --quick    one repetition each, for a first look
#
# Google Benchmark's own console output goes to build-bench/bench.log.
set -euo pipefail
cd "$(dirname "$0")/.."

repetitions=5
runs=21
case "${1:-}" in
  --quick) repetitions=1; runs=5 ;;
  "") ;;
  *) echo "usage: $0 [--quick]" >&2; exit 2 ;;
esac

build=${BENCH_BUILD_DIR:-build-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNUPIREO_BENCH=ON \
  -DNUPIREO_TESTS=OFF -DNUPIREO_SANITIZE=OFF >/dev/null
cmake --build "$build" --target nupireo_bench nupireo_bench_qt nupireo_bench_startup >/dev/null

flags=(--markdown --benchmark_min_time=0.3 --benchmark_repetitions="$repetitions")
if ((repetitions > 1)); then flags+=(--benchmark_report_aggregates_only=true); fi
log="$build/bench.log"
: >"$log"
headless=$("$build/bench/nupireo_bench" "${flags[@]}" 2>>"$log")
qt=$("$build/bench/nupireo_bench_qt" "${flags[@]}" 2>>"$log")
startup=$("$build/bench/nupireo_bench_startup" --markdown --runs "$runs" 2>>"$log")

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
qtversion=$(pkg-config --modversion Qt6Core 2>/dev/null || echo "?")
if ((repetitions > 1)); then what="medians of $repetitions repetitions"; else what="one run each"; fi
echo "Measured $(date -u +%Y-%m-%d) on ${cpu:-an unknown CPU} ($(nproc) cores), Qt $qtversion," \
  "Release build; times are $what, start-up the median of $runs runs each."
echo
printf '%s\n' "$headless" | grep '^|'
printf '%s\n' "$qt" | grep '^|' | tail -n +3
printf '%s\n' "$startup" | grep '^|' | tail -n +3
