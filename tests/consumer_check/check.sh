#!/bin/sh
# Installs this build tree's LobbyUi into a fresh prefix, builds the separate
# consumer project against it with find_package(LobbyUi), and runs it.
set -eu
build="$1"; source_dir="$2"
work="$build/consumer-check"
rm -rf "$work"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/LobbyUi.dll lib/LobbyUi.lib lib/libLobbyUi.dll.a include/lobbyui/lobbyui.h lib/cmake/LobbyUi/LobbyUiConfig.cmake; do
  [ -f "$work/prefix/$f" ] || { echo "missing from the installed tree: $f"; exit 1; }
done
cmake -S "$source_dir/tests/consumer" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-i686.cmake" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/build" >/dev/null
"$build/wine-run" "$work/build/consumer.exe"

# The same host without CMake: include path, -lLobbyUi, the DLL beside it.
mkdir -p "$work/plain"
i686-w64-mingw32-g++-posix -std=c++17 -Wall -Werror -I"$work/prefix/include" "$source_dir/tests/consumer/main.cpp" \
  -L"$work/prefix/lib" -lLobbyUi -static -o "$work/plain/consumer.exe"
cp "$work/prefix/bin/LobbyUi.dll" "$work/plain/"
"$build/wine-run" "$work/plain/consumer.exe"
