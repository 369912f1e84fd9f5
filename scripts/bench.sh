#!/bin/sh
# The room core's benchmarks, as they are meant to be read: a Release build
# without sanitizers (preset "bench"), five repetitions of each benchmark in
# random interleaving so that a busy machine hurts both sides of a comparison
# alike, medians of CPU time. Prints each operation beside its baseline with
# the ratio, and ends with three lines:
#   lookup ratio <x>
#   feed ratio <x>
#   allocations after load <n>
# Extra arguments go to the benchmark program (e.g. --benchmark_filter=Lookup).
#
#   sh scripts/bench.sh live [SECONDS]
# The live room instead: the demo lobby under Wine with a full room (750
# players, 200 tables) that the server thread changes 200 times a second,
# the player list shown, for SECONDS (default 20). Prints what the room did,
# the UI thread's time in the library's list functions and in the host's
# drawing, and ends with the line
#   live room latency p50 <n> ms p99 <m> ms
# (the time from posting a message to the lobby until it runs).
set -u
cd "$(dirname "$0")/.."
jobs="${LOBBYUI_JOBS:-2}"
mkdir -p build

if [ "${1:-}" = live ]; then
  seconds="${2:-20}"
  build="${LOBBYUI_BUILD_DIR:-build/win32}"
  log="build/bench-live-build.log"
  echo "==> configure and build: the demo lobby ($build)"
  if ! { cmake --preset win32 -B "$build" && cmake --build "$build" -j "$jobs" --target lobby_demo_folder lobby_demo_assets; } >"$log" 2>&1; then
    cat "$log"
    echo "==> FAILED to build the demo lobby"
    exit 1
  fi
  echo "==> run: lobby_demo --full-room --server-rate 200 --bench $seconds (under Wine)"
  cd "$build/demo" || exit 1
  ../wine-run ./lobby_demo.exe --full-room --server-rate 200 --bench "$seconds" 2>/dev/null | grep -v '^server: \|^lobby_demo: '
  exit $?
fi
log="build/bench-build.log"

echo "==> configure and build: bench"
if ! { cmake --preset bench && cmake --build --preset bench -j "$jobs" --target room_benchmark; } >"$log" 2>&1; then
  cat "$log"
  echo "==> FAILED to build the benchmarks"
  exit 1
fi

echo "==> run: room_benchmark"
exec build/bench/bin/room_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_enable_random_interleaving=true "$@"
