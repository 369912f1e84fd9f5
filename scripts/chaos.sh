#!/bin/sh
# The chaos soak: scripts/chaos.sh [minutes [seed]] builds the Win32
# configuration and runs chaos_host.exe in rounds of one minute, each with a
# fresh seed (seed, seed+1, ...; by default from the clock), under Wine's heap
# checking (WINEDEBUG=warn+heap) with HeapValidate over every heap after
# every few steps. A round fails when the host reports a broken invariant,
# crashes, hangs, or Wine reports a heap error. Failing rounds keep their
# replay files in build/chaos-soak; chaos_host.exe --shrink FILE cuts one
# down. Ends with "chaos: N steps, M rounds, K failures".
set -u
cd "$(dirname "$0")/.."
minutes="${1:-10}"
seed="${2:-$(date +%s)}"
case "$minutes$seed" in
  *[!0-9]*) echo "usage: $0 [minutes [seed]]" >&2; exit 2 ;;
esac
jobs="${LOBBYUI_JOBS:-2}"
out="build/chaos-soak"
mkdir -p "$out"

echo "==> build: win32"
if ! { cmake --preset win32 && cmake --build --preset win32 -j "$jobs" --target chaos_folder; } >"$out/build.log" 2>&1; then
  cat "$out/build.log"
  echo "==> FAILED to build the chaos host"
  exit 1
fi
folder="build/win32/chaos"
run="$(pwd)/build/win32/wine-run"
"$run" --start-session >/dev/null 2>&1
trap '"$run" --stop-session >/dev/null 2>&1' EXIT

end=$(( $(date +%s) + minutes * 60 ))
steps=0 rounds=0 failures=0
while [ "$(date +%s)" -lt "$end" ]; do
  log="$out/round-$seed.log"
  ( cd "$folder" && LOBBYUI_WINEDEBUG=warn+heap timeout 300 "$run" ./chaos_host.exe --seed "$seed" --seconds 60 ) >"$log" 2>&1
  status=$?
  n=$(sed -n 's/^chaos: \([0-9]*\) steps in.*/\1/p' "$log" | tail -n 1)
  steps=$((steps + ${n:-0}))
  rounds=$((rounds + 1))
  if [ $status -ne 0 ] || grep -q "FAILED" "$log" || grep -qiE "err:heap|heap.*corrupt" "$log"; then
    failures=$((failures + 1))
    cp "$folder"/chaos-journal-"$seed".txt "$out/" 2>/dev/null
    echo "chaos: round with seed $seed FAILED (status $status): $log"
    grep -E "FAILED|err:heap" "$log" | head -n 3
  fi
  seed=$((seed + 1))
done
echo "chaos: $steps steps, $rounds rounds, $failures failures"
[ $failures -eq 0 ]
