#!/bin/sh
# The test command: installs what is missing, builds every configuration and
# runs all tests. Native: the portable core under ASan+UBSan, under
# ThreadSanitizer, and its fuzzers for a bounded time. Win32: the DLL, its
# tests under Wine, the installed package and the host programs. Ends with
# ctest's summary of the Win32 run; the exit status is nonzero if anything
# failed.
set -u
cd "$(dirname "$0")/.."
jobs="${LOBBYUI_JOBS:-2}"
status=0

sh scripts/install-deps.sh || exit 1
mkdir -p build

for preset in native tsan fuzz win32; do
  echo "==> configure and build: $preset"
  log="build/build-$preset.log"
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset" -j "$jobs"; } >"$log" 2>&1; then
    cat "$log"
    echo "==> FAILED to build: $preset"
    status=1
  fi
done

for preset in native tsan fuzz; do
  echo "==> test: $preset"
  log="build/ctest-$preset.log"
  if ctest --preset "$preset" -j "$jobs" >"$log" 2>&1; then
    grep -E "tests passed|Total Test time" "$log"
  else
    cat "$log"
    echo "==> FAILED tests: $preset"
    status=1
  fi
done

echo "==> test: win32 (under Wine)"
ctest --preset win32 || status=1
exit $status
