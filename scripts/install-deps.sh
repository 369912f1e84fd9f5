#!/bin/sh
# Installs what building and testing LobbyUi needs on Debian 12, skipping what
# is already there: the MinGW-w64 cross compiler, 32-bit Wine, Xvfb, a Chinese
# font, GoogleTest and Google Benchmark, clang for the fuzzers, ImageMagick,
# python3 for the sample-asset generators, Chromium for rendering the demo
# tour's gallery headless, and the Chinese locales Wine runs under (without
# them Wine cannot name files outside ASCII).
set -eu

packages="cmake make g++ python3 clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix wine wine32:i386 xvfb xauth fonts-wqy-microhei imagemagick locales
  clang-14 lld-14 llvm-14 libwine-dev chromium"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

# zh_CN.UTF-8 and zh_TW.UTF-8 generated once; Wine takes its file-name
# encoding from the locale, so without them it refuses non-ASCII names.
ensure_locales() {
  if locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && locale -a 2>/dev/null | grep -qix 'zh_TW.utf8'; then
    return 0
  fi
  echo "install-deps: generating the zh_CN.UTF-8 and zh_TW.UTF-8 locales"
  $sudo sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/; s/^# *zh_TW.UTF-8 UTF-8/zh_TW.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  grep -q '^zh_TW.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_TW.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
}

if [ -z "$missing" ]; then
  echo "install-deps: everything is installed"
  ensure_locales
  exit 0
fi
echo "install-deps: installing$missing"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "install-deps: adding the i386 architecture (32-bit Wine)"
  $sudo dpkg --add-architecture i386
fi
echo "install-deps: apt-get update"
$sudo apt-get update -q
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
ensure_locales
echo "install-deps: done"
