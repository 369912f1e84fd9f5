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
set -u
cd "$(dirname "$0")/.."
jobs="${LOBBYUI_JOBS:-2}"
mkdir -p build
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
