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
# Hosts get the DLL without its symbols, which stay in lib/ for debugging.
for f in lib/LobbyUi.dll.debug lib/LobbyUi.def bin/VaduveRed.dll; do
  [ -f "$work/prefix/$f" ] || { echo "missing from the installed tree: $f"; exit 1; }
done
sections=$(i686-w64-mingw32-objdump -h "$work/prefix/bin/LobbyUi.dll")
echo "$sections" | grep -q '\.gnu_debuglink' || { echo "the installed LobbyUi.dll has no debug link"; exit 1; }
if echo "$sections" | grep -q '\.debug_info'; then echo "the installed LobbyUi.dll still carries its debug information"; exit 1; fi
i686-w64-mingw32-objdump -h "$work/prefix/lib/LobbyUi.dll.debug" | grep -q '\.debug_info' ||
  { echo "LobbyUi.dll.debug holds no debug information"; exit 1; }
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
