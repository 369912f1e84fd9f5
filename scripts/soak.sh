#!/bin/sh
# Long fuzzing: builds the fuzzers (preset "fuzz") and runs each of them for
# the given number of minutes (default 10), one after another, then prints
# each one's executions and findings. Names after the minutes pick fuzzers
# (scripts/soak.sh 60 room_fuzzer); by default all of them run. SOAK_RUNS=N also stops a fuzzer after N
# executions, whichever comes first. Corpora are kept between soaks under
# build/soak/corpus, so each soak starts where the last one stopped; logs and
# findings (crash-, leak-, timeout-, oom- files) go to build/soak.
# The exit status is nonzero when a fuzzer found something or failed to run.
set -u
cd "$(dirname "$0")/.."
minutes="${1:-10}"
case "$minutes" in
  ''|*[!0-9]*) echo "usage: $0 [minutes [fuzzer...]]" >&2; exit 2 ;;
esac
[ $# -gt 0 ] && shift
runs="${SOAK_RUNS:-}"
run_limit=""
[ -n "$runs" ] && run_limit="-runs=$runs"
jobs="${LOBBYUI_JOBS:-2}"
soak="build/soak"
mkdir -p "$soak"

echo "==> build: fuzz"
if ! { cmake --preset fuzz && cmake --build --preset fuzz -j "$jobs"; } >"$soak/build.log" 2>&1; then
  cat "$soak/build.log"
  echo "==> FAILED to build the fuzzers"
  exit 1
fi

fuzzers="$*"
[ -n "$fuzzers" ] || fuzzers=$(ls build/fuzz/bin/ | grep '_fuzzer$' | sort)
for name in $fuzzers; do
  [ -x "build/fuzz/bin/$name" ] || { echo "==> no such fuzzer: $name"; exit 2; }
done
if [ -z "$fuzzers" ]; then
  echo "==> no fuzzers were built"
  exit 1
fi

status=0
summary=""
for name in $fuzzers; do
  corpus="$soak/corpus/$name"
  findings="$soak/findings/$name"
  log="$soak/$name.log"
  mkdir -p "$corpus" "$findings"
  before=$(ls "$findings" | wc -l)
  echo "==> $name: $minutes min${runs:+ or $runs executions} (log $log)"
  start=$(date +%s)
  "build/fuzz/bin/$name" "$corpus" -max_total_time=$((minutes * 60)) $run_limit -timeout=30 \
    -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1
  rc=$?
  seconds=$(( $(date +%s) - start ))
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  found=$(( $(ls "$findings" | wc -l) - before ))
  line="$name: ${executions:-?} executions in ${seconds} s, $found findings"
  if [ "$rc" -ne 0 ] || [ "$found" -ne 0 ] || [ -z "$executions" ]; then
    line="$line (exit $rc, see $log)"
    status=1
  fi
  echo "$line"
  summary="$summary$line
"
done

echo "==> soak summary"
printf '%s' "$summary"
exit $status
