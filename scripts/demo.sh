#!/bin/sh
# The main command: installs what is missing, builds the Win32 configuration
# and runs the host program under Wine (headless through Xvfb when there is
# no display). Until the demo host's tour exists, the host is the probe that
# loads LobbyUi.dll and lists what it exports.
set -eu
cd "$(dirname "$0")/.."
jobs="${LOBBYUI_JOBS:-2}"
sh scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs" --target LobbyUi lobby_probe
cd build/win32/bin
../wine-run ./lobby_probe.exe
