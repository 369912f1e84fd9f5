#!/bin/sh
# Builds the C host (c_host.c) against a LobbyUi package and runs it under Wine.
#   check.sh mingw BUILD SOURCE  installs BUILD; gcc -std=c99 through find_package(LobbyUi)
#                                with LobbyUi::C and with LobbyUi::LobbyUi, and by hand
#                                with -lLobbyUi
#   check.sh msvc BUILD SOURCE   installs BUILD; clang in the Visual C++ ABI, lld-link and
#                                LobbyUi.lib, with no MinGW runtime in the executable
#   check.sh zip BUILD SOURCE    makes the release archive with cpack, unpacks it, and
#                                builds the hosts from it
set -eu
kind="$1"; build="$2"; source_dir="$3"
work="$build/c-host-check/$kind"
here="$source_dir/tests/c_host"
clang="${LOBBYUI_CLANG:-clang-14}"
lld_link="${LOBBYUI_LLD_LINK:-lld-link-14}"
dlltool="${LOBBYUI_DLLTOOL:-llvm-dlltool-14}"
objdump=i686-w64-mingw32-objdump
rm -rf "$work"
mkdir -p "$work"

fail() { echo "$*"; exit 1; }

# Runs a host in a folder of its own with the DLL beside it, as it ships.
run_host() {
  exe="$1"; prefix="$2"; run="$(dirname "$exe")/run"
  mkdir -p "$run/STCSV"
  printf '1,text\r\n' > "$run/STCSV/PlayerScore_Sim.csv"
  cp "$exe" "$prefix/bin/LobbyUi.dll" "$run/"
  (cd "$run" && "$build/wine-run" "./$(basename "$exe")")
}

# target: the package's CMake target the host links, LobbyUi::C (LobbyUi.lib)
# or LobbyUi::LobbyUi (libLobbyUi.dll.a).
mingw_host() {
  prefix="$1"; out="$2"; target="$3"
  cmake -S "$here/project" -B "$out" -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-i686.cmake" \
    -DCMAKE_PREFIX_PATH="$prefix" -DLOBBYUI_TARGET="$target" >/dev/null
  cmake --build "$out" >/dev/null
  run_host "$out/c_host.exe" "$prefix"
}

# As MinGW users link a DLL: -L lib -lLobbyUi, which ld resolves through
# libLobbyUi.dll.a.
plain_mingw_host() {
  prefix="$1"; out="$2"
  mkdir -p "$out"
  i686-w64-mingw32-gcc -std=c99 -Wall -Wextra -pedantic -Werror -I"$prefix/include" "$here/c_host.c" \
    -L"$prefix/lib" -lLobbyUi -lcomctl32 -o "$out/c_host.exe"
  run_host "$out/c_host.exe" "$prefix"
}

# The Visual C++ ABI without Visual C++: Wine's Windows headers, import
# libraries made here for the few system functions the host calls, and no C
# runtime start-up (msvcrt.dll gives printf and the string functions).
msvc_host() {
  prefix="$1"; out="$2"
  mkdir -p "$out"
  for lib in kernel32 user32 comctl32 msvcrt; do
    "$dlltool" -m i386 -k -d "$here/imports/$lib.def" -l "$out/$lib.lib"
  done
  "$clang" --target=i686-pc-windows-msvc -std=c99 -Wall -Wextra -pedantic -Werror \
    -isystem /usr/include/wine/wine/msvcrt -isystem /usr/include/wine/wine/windows \
    -D_NO_CRT_STDIO_INLINE -DLOBBYUI_HOST_ENTRY=HostEntry -I"$prefix/include" -c "$here/c_host.c" -o "$out/c_host.obj"
  "$lld_link" /nologo /subsystem:console /entry:HostEntry /nodefaultlib /out:"$out/c_host.exe" "$out/c_host.obj" \
    "$prefix/lib/LobbyUi.lib" "$out/kernel32.lib" "$out/user32.lib" "$out/comctl32.lib" "$out/msvcrt.lib"
  imports=$("$objdump" -p "$out/c_host.exe")
  dlls=$(echo "$imports" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
  [ "$dlls" = "comctl32.dll kernel32.dll lobbyui.dll msvcrt.dll user32.dll " ] ||
    fail "the Visual C++ ABI host imports from: $dlls"
  echo "$imports" | grep -q '[[:space:]]CPartyDlg_DlgInerface_ShowCTDlg$' ||
    fail "the Visual C++ ABI host does not import CPartyDlg_DlgInerface_ShowCTDlg by its plain name"
  run_host "$out/c_host.exe" "$prefix"
}

case "$kind" in
  mingw)
    cmake --install "$build" --prefix "$work/prefix" >/dev/null
    mingw_host "$work/prefix" "$work/build" LobbyUi::C
    mingw_host "$work/prefix" "$work/build-dll-a" LobbyUi::LobbyUi
    plain_mingw_host "$work/prefix" "$work/plain"
    ;;
  msvc)
    cmake --install "$build" --prefix "$work/prefix" >/dev/null
    msvc_host "$work/prefix" "$work/build"
    ;;
  zip)
    (cd "$build" && cpack -G ZIP -B "$work/package" >/dev/null)
    set -- "$work"/package/LobbyUi-*-win32.zip
    [ -f "$1" ] || fail "cpack made no LobbyUi-<version>-win32.zip"
    mkdir -p "$work/unpacked"
    (cd "$work/unpacked" && cmake -E tar xf "$1")
    prefix="$work/unpacked/$(basename "$1" .zip)"
    for f in bin/LobbyUi.dll bin/VaduveRed.dll lib/LobbyUi.lib lib/libLobbyUi.dll.a lib/LobbyUi.def \
        lib/LobbyUi.dll.debug include/lobbyui/lobbyui_c.h include/lobbyui/messages.h README.txt \
        lib/cmake/LobbyUi/LobbyUiConfig.cmake; do
      [ -f "$prefix/$f" ] || fail "missing from the archive: $f"
    done
    extra=$(ls "$prefix/bin" | grep -v -x -e LobbyUi.dll -e VaduveRed.dll || true)
    [ -z "$extra" ] || fail "bin/ of the archive holds more than the DLLs a host ships: $extra"
    "$objdump" -h "$prefix/bin/LobbyUi.dll" | grep -q '\.debug_info' && fail "the archive's LobbyUi.dll is not stripped"
    msvc_host "$prefix" "$work/msvc"
    mingw_host "$prefix" "$work/mingw" LobbyUi::C
    plain_mingw_host "$prefix" "$work/plain"
    ;;
  *)
    fail "usage: check.sh mingw|msvc|zip BUILD SOURCE"
    ;;
esac
# Reached only when every host above was built and ran to its end.
echo "c host check ok"
