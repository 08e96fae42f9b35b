#!/usr/bin/env bash
# Whole-process comparison: a 1024 x 1024 PNG made into an icon of the eight
# default sizes at 32 bits by pixmint-cli convert and by ImageMagick's
# convert -define icon:auto-resize. The goal is at most twice ImageMagick's
# time. Usage: convert_vs_magick.sh [PIXMINT-CLI] (default: the Release build,
# built here when missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$root/build/release/cli/pixmint-cli}
if [ ! -x "$cli" ]; then
  cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPIXMINT_TESTS=OFF >/dev/null
  cmake --build "$root/build/release" -j"$(nproc)" --target pixmint-cli
fi
magick=/usr/bin/convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# A gradient in a rounded square over transparency, with a white disk.
"$magick" -size 1024x1024 gradient:'#2060ff-#ffd040' \
  \( -size 1024x1024 xc:none -fill white -draw 'roundrectangle 64,64 960,960 160,160' \) \
  -compose CopyOpacity -composite -fill white -draw 'circle 512,512 512,300' master.png
hyperfine --warmup 3 --runs 20 -N --export-json times.json \
  "$cli convert ours.ico master.png" \
  "$magick master.png -define icon:auto-resize=256,64,48,40,32,24,20,16 theirs.ico"
python3 - <<'PY'
import json
ours, theirs = (r["mean"] for r in json.load(open("times.json"))["results"])
print(f"pixmint-cli {ours * 1000:.0f} ms, ImageMagick {theirs * 1000:.0f} ms: "
      f"pixmint-cli takes {ours / theirs:.2f} x ImageMagick's time (goal: at most 2)")
PY
