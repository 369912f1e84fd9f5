#!/bin/sh
# Renders the tour's gallery (DIR/index.html) in headless Chromium and checks
# that every screenshot it shows loads: the page counts its pictures as they
# load or fail, and the DOM Chromium dumps after loading carries the count.
# First the same check must see a fault: a copy of the page with one picture
# missing has to report it.
#   gallery_check.sh DIR
set -u
dir="$1"
page="$dir/index.html"
if [ ! -f "$page" ]; then
  echo "gallery: FAILED, no page at $page"
  exit 1
fi
browser="$(command -v chromium || command -v chromium-browser)"
if [ -z "$browser" ]; then
  echo "gallery: FAILED, chromium is not installed (scripts/install-deps.sh installs it)"
  exit 1
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# The count line the page writes, once every picture has loaded or failed.
count() {
  timeout 120 "$browser" --headless --no-sandbox --disable-gpu --user-data-dir="$scratch/profile" \
    --dump-dom "file://$(realpath "$1")" 2>/dev/null | grep -o 'images: [0-9]* loaded, [0-9]* failed of [0-9]*'
}

shots=$(ls "$dir"/[0-9][0-9]-*.png 2>/dev/null | wc -l)
if [ "$shots" -eq 0 ]; then
  echo "gallery: FAILED, no screenshots in $dir"
  exit 1
fi

mkdir -p "$scratch/broken"
cp "$page" "$dir"/[0-9][0-9]-*.png "$scratch/broken/"
rm "$(ls "$scratch/broken"/[0-9][0-9]-*.png | head -1)"
broken="$(count "$scratch/broken/index.html")"
if [ "$broken" != "images: $((shots - 1)) loaded, 1 failed of $shots" ]; then
  echo "gallery: FAILED, a missing picture went unnoticed ($broken)"
  exit 1
fi

seen="$(count "$page")"
echo "gallery: $seen ($shots screenshots in $dir)"
if [ "$seen" != "images: $shots loaded, 0 failed of $shots" ]; then
  echo "gallery: FAILED"
  exit 1
fi
echo "gallery: every picture loads"
