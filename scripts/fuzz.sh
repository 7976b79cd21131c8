#!/usr/bin/env bash
# Builds the fuzzers with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build-fuzz and runs each of them; any crash, sanitizer report or broken invariant fails.
#
#   bash scripts/fuzz.sh --ci         each target for 30 s (CI)
#   bash scripts/fuzz.sh [SECONDS]    each target for SECONDS (default 600), in parallel jobs
#                                     on all cores (FUZZ_JOBS=N for fewer)
#   bash scripts/fuzz.sh --merge      adds to fuzz/corpus/<target> the fewest inputs of the
#                                     last runs that cover what it does not yet cover
#
# The build runs CMAKE_BUILD_PARALLEL_LEVEL jobs, else FUZZ_JOBS, else one per core.
#
# New inputs go to build-fuzz/fuzz-work/<target>/corpus; the seeds in fuzz/corpus/<target>
# are only read. A crashing input is saved in build-fuzz/artifacts/. Every target runs even
# when one fails; the script then names the failed ones and exits with status 1.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=local
seconds=600
case "${1:-}" in
  --ci) mode=ci; seconds=30 ;;
  --merge) mode=merge ;;
  "") ;;
  *[!0-9]*) echo "usage: $0 [--ci | --merge | SECONDS]" >&2; exit 2 ;;
  *) seconds=$1 ;;
esac
if [ "$mode" != merge ] && ((seconds < 1)); then echo "$0: SECONDS must be at least 1" >&2; exit 2; fi

build=${FUZZ_BUILD_DIR:-build-fuzz}
targets=(list_reader_fuzz pointer_stream_fuzz)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DNUPIREO_FUZZ=ON \
  -DNUPIREO_QT=OFF -DNUPIREO_TESTS=OFF -DNUPIREO_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-${FUZZ_JOBS:-$(nproc)}}" \
  --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
root=$(pwd)
jobs=1
if [ "$mode" = local ]; then jobs=${FUZZ_JOBS:-$(nproc)}; fi

if [ "$mode" = merge ]; then
  for target in "${targets[@]}"; do
    name=${target%_fuzz}
    before=$(find "fuzz/corpus/$name" -type f | wc -l)
    "$build/fuzz/$target" -set_cover_merge=1 -use_counters=0 "fuzz/corpus/$name" \
      "$build/fuzz-work/$name/corpus" >"$build/$name-merge.log" 2>&1
    echo "== $name: $before -> $(find "fuzz/corpus/$name" -type f | wc -l) inputs"
  done
  exit 0
fi

failed=()
for target in "${targets[@]}"; do
  name=${target%_fuzz}
  work="$root/$build/fuzz-work/$name"
  rm -rf "$work/logs"
  mkdir -p "$work/corpus" "$work/logs" "$root/$build/artifacts"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$root/$build/artifacts/$name-")
  if [ -f "fuzz/$name.dict" ]; then options+=(-dict="$root/fuzz/$name.dict"); fi
  # Parallel jobs write their own logs (fuzz-N.log) into the folder they start in.
  if ((jobs > 1)); then options+=(-jobs="$jobs" -workers="$jobs"); fi
  echo "== $target: $seconds s x $jobs job(s)"
  start=$(date +%s)
  status=0
  (cd "$work/logs" &&
    "$root/$build/fuzz/$target" "${options[@]}" "$work/corpus" "$root/fuzz/corpus/$name" \
      >main.log 2>&1) || status=$?
  # A crash in a job shows in its own log, not always in the exit status of the parent.
  if ((status != 0)) || grep -qE "ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|FINDING:|runtime error:" \
      "$work"/logs/*.log; then
    tail -n 60 "$work"/logs/*.log
    echo "== $target FAILED (logs: $work/logs)"
    failed+=("$target")
    continue
  fi
  # With several jobs, libFuzzer copies each job's log into main.log as the job ends: count
  # the jobs' own logs only.
  counted=("$work/logs/main.log")
  if ((jobs > 1)); then counted=("$work"/logs/fuzz-*.log); fi
  cat "${counted[@]}" | awk -v target="$target" '
    /^Done [0-9]+ runs/ { runs += $2 }
    /^stat::number_of_executed_units:/ { units += $2 }
    /pointer events,/ { events += $2 }
    END {
      if (units > runs) runs = units
      printf "== %s: %d inputs run", target, runs
      if (events > 0) printf ", %d pointer events", events
      printf "\n"
    }'
  echo "== $target passed in $(( $(date +%s) - start )) s"
done
if ((${#failed[@]})); then
  echo "== FAILED: ${failed[*]}"
  exit 1
fi
