#!/bin/sh
# The main command: installs what is missing, builds LobbyUi.dll and the demo
# lobby client, and runs the demo's tour under Wine (headless through Xvfb
# when there is no display): it opens every dialog the library offers,
# saves a PNG of the screen after each step and prints the messages the
# library sent, and writes a gallery of it all (tour/index.html). Ends with
# the list of PNG files, the gallery's path and the summary line.
#   LOBBYUI_DEMO_INTERACTIVE=1 sh scripts/demo.sh   opens the living lobby for a person instead
#     (LOBBYUI_DEMO_ARGS="--full-room --server-rate 200" for a full, busy room)
#   LOBBYUI_BUILD_DIR=build/other sh scripts/demo.sh another build tree
set -eu
cd "$(dirname "$0")/.."
jobs="${LOBBYUI_JOBS:-2}"
build="${LOBBYUI_BUILD_DIR:-build/win32}"

sh scripts/install-deps.sh
echo "demo: configuring and building LobbyUi.dll and lobby_demo.exe ($build)"
cmake --preset win32 -B "$build" >/dev/null
cmake --build "$build" -j "$jobs" --target lobby_demo_folder lobby_demo_assets

cd "$build/demo"
if [ "${LOBBYUI_DEMO_INTERACTIVE:-0}" = 1 ]; then
  # shellcheck disable=SC2086
  exec ../wine-run ./lobby_demo.exe ${LOBBYUI_DEMO_ARGS:-}
fi

rm -rf tour
echo "demo: running the tour in $(pwd) (PNG files go to tour/)"
status=0
../wine-run ./lobby_demo.exe --tour tour 2>/dev/null | tee tour.out || status=1
echo
echo "demo: screenshots in $(pwd)/tour:"
ls -l tour/*.png 2>/dev/null | awk '{printf "  %s  %8d bytes\n", $NF, $5}'
if [ -f tour/index.html ]; then
  echo "demo: the gallery of every step: $(pwd)/tour/index.html"
else
  echo "demo: FAILED to write the gallery"
  status=1
fi
grep -E '^[0-9]+ steps, [0-9]+ messages' tour.out || status=1
if grep -q FAILED tour.out; then status=1; fi
exit $status
