#!/bin/sh
# Installs this build tree's LobbyUi into a fresh prefix, builds the separate
# consumer project against it with find_package(LobbyUi), and runs it.
set -eu
build="$1"; source_dir="$2"
work="$build/consumer-check"
rm -rf "$work"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/LobbyUi.dll lib/LobbyUi.lib include/lobbyui/lobbyui.h lib/cmake/LobbyUi/LobbyUiConfig.cmake; do
  [ -f "$work/prefix/$f" ] || { echo "missing from the installed tree: $f"; exit 1; }
done
cmake -S "$source_dir/tests/consumer" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-i686.cmake" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/build" >/dev/null
"$build/wine-run" "$work/build/consumer.exe"
