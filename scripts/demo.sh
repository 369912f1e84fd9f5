#!/bin/sh
# The main command: installs what is missing, builds LobbyUi.dll and the demo
# lobby client, and runs the demo's tour under Wine (headless through Xvfb
# when there is no display): it opens every dialog the library offers,
# saves a PNG of the screen after each step and prints the messages the
# library sent. Ends with the list of PNG files and the summary line.
#   LOBBYUI_DEMO_INTERACTIVE=1 sh scripts/demo.sh   opens the lobby for a person instead
#   LOBBYUI_BUILD_DIR=build/other sh scripts/demo.sh another build tree
set -eu
cd "$(dirname "$0")/.."
jobs="${LOBBYUI_JOBS:-2}"
build="${LOBBYUI_BUILD_DIR:-build/win32}"

sh scripts/install-deps.sh
if ! command -v python3 >/dev/null; then
  # The sample text table and pictures are made by Python scripts in tools/.
  echo "demo: installing python3"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends python3
fi

echo "demo: configuring and building LobbyUi.dll and lobby_demo.exe ($build)"
cmake --preset win32 -B "$build" >/dev/null
cmake --build "$build" -j "$jobs" --target lobby_demo_folder lobby_demo_assets

cd "$build/demo"
# A Chinese Windows knows its Song typefaces by their Chinese names too; the
# library asks for them so, and Wine needs to be told where to find them.
if [ ! -f ../wineprefix/.lobbyui-song-fonts ]; then
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n"宋体"="WenQuanYi Micro Hei"\r\n"新宋体"="WenQuanYi Micro Hei"\r\n' \
    | iconv -f UTF-8 -t UTF-16 >fonts.reg
  ../wine-run regedit /s fonts.reg >/dev/null 2>&1 && touch ../wineprefix/.lobbyui-song-fonts
  rm -f fonts.reg
fi

if [ "${LOBBYUI_DEMO_INTERACTIVE:-0}" = 1 ]; then
  exec ../wine-run ./lobby_demo.exe
fi

rm -rf tour
echo "demo: running the tour in $(pwd) (PNG files go to tour/)"
status=0
../wine-run ./lobby_demo.exe --tour tour 2>/dev/null | tee tour.out || status=1
echo
echo "demo: screenshots in $(pwd)/tour:"
ls -l tour/*.png 2>/dev/null | awk '{printf "  %s  %8d bytes\n", $NF, $5}'
grep -E '^[0-9]+ steps, [0-9]+ messages' tour.out || status=1
if grep -q FAILED tour.out; then status=1; fi
exit $status
