#!/bin/sh
# Installs what building and testing LobbyUi needs on Debian 12, skipping what
# is already there: the MinGW-w64 cross compiler, 32-bit Wine, Xvfb, a Chinese
# font, GoogleTest and Google Benchmark, clang for the fuzzers, ImageMagick,
# python3 for the sample-asset generators.
set -eu

packages="cmake make g++ python3 clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix wine wine32:i386 xvfb xauth fonts-wqy-microhei imagemagick"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -z "$missing" ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "install-deps: installing$missing"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "install-deps: adding the i386 architecture (32-bit Wine)"
  $sudo dpkg --add-architecture i386
fi
echo "install-deps: apt-get update"
$sudo apt-get update -q
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
echo "install-deps: done"
