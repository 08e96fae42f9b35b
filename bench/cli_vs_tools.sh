#!/usr/bin/env bash
# Whole-process speed of pixmint-cli against the programs users reach for
# instead: icoutils' icotool and ImageMagick. All of them run on the same
# files in one go; the machine may be noisy, so read the ratios, not the
# milliseconds. Goals: extract at most 0.5x icotool, create at most 1x,
# info a few milliseconds, thumbnail at most 1x gdk-pixbuf's thumbnailer.
#
# Usage: bench/cli_vs_tools.sh PIXMINT_CLI [RUNS]
# with a Release build of the command-line tool, for example:
#   cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPIXMINT_TESTS=OFF -DPIXMINT_APP=OFF
#   cmake --build build/bench --target pixmint-cli && bench/cli_vs_tools.sh build/bench/cli/pixmint-cli
set -euo pipefail
cli=$(realpath "$1")
runs=${2:-300}
for tool in hyperfine icotool convert identify python3; do
  command -v "$tool" >/dev/null || { echo "needs $tool (scripts/setup installs it)" >&2; exit 3; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# An icon-like picture: a rounded square with a gradient, a shaded disc and
# a half-transparent triangle with an outline, on a transparent background.
convert -size 256x256 xc:none -fill white -draw 'roundrectangle 20,20 235,235 44,44' mask1.png
convert -size 256x256 gradient:'#3a7bd5-#00d2ff' mask1.png -alpha off -compose CopyOpacity -composite l1.png
convert -size 256x256 xc:none -fill white -draw 'circle 150,110 150,40' mask2.png
convert -size 256x256 radial-gradient:'#ffe066-#ff6a00' mask2.png -alpha off -compose CopyOpacity -composite l2.png
convert l1.png l2.png -compose Over -composite \
  \( -size 256x256 xc:none -fill '#ffffffb0' -stroke '#203050' -strokewidth 6 \
     -draw 'polygon 50,200 110,90 170,200' \) -compose Over -composite -depth 8 PNG32:p256.png
for s in 16 24 32 48 64; do convert p256.png -resize ${s}x${s} -depth 8 PNG32:p$s.png; done

# The icons to read: six 32-bit images made by a third program, so that
# nobody reads only its own output: all as bitmaps (what icotool -c makes),
# and with the 256-pixel one as PNG (what most icon makers write).
icotool -c -o six.ico p16.png p24.png p32.png p48.png p64.png p256.png
icotool -c -o six-png.ico p16.png p24.png p32.png p48.png p64.png -r p256.png
mkdir -p out-ours out-icotool out-magick

bench() {
  local name=$1
  shift
  hyperfine -N --style none --warmup 20 --runs "$runs" --export-json "$name.json" "$@" >/dev/null
}
bench extract -n pixmint-cli "$cli extract six.ico out-ours" \
  -n icotool "icotool -x -o out-icotool six.ico" \
  -n imagemagick "convert six.ico out-magick/six-%d.png"
bench extract-png -n pixmint-cli "$cli extract six-png.ico out-ours" \
  -n icotool "icotool -x -o out-icotool six-png.ico" \
  -n imagemagick "convert six-png.ico out-magick/six-png-%d.png"
bench create -n pixmint-cli "$cli create ours.ico p16.png p32.png p48.png p256.png" \
  -n icotool "icotool -c -o icotool.ico p16.png p32.png p48.png p256.png" \
  -n imagemagick "convert p16.png p32.png p48.png p256.png magick.ico"
bench info -n pixmint-cli "$cli info six.ico" -n icotool "icotool -l six.ico" -n imagemagick "identify six.ico"
# A file manager's thumbnail at 128 pixels, from the 256-pixel PNG image;
# gdk-pixbuf's thumbnailer is the one desktops use for icons without ours.
thumbnailers=(-n imagemagick "convert six-png.ico[5] -resize 128x128 magick-thumb.png")
if command -v gdk-pixbuf-thumbnailer >/dev/null; then
  thumbnailers+=(-n gdk-pixbuf "gdk-pixbuf-thumbnailer -s 128 six-png.ico gdk-thumb.png")
fi
bench thumbnail -n pixmint-cli "$cli thumbnail six-png.ico ours-thumb.png 128" "${thumbnailers[@]}"

python3 - <<'EOF'
import json, os
for name in ("extract", "extract-png", "create", "info", "thumbnail"):
    results = {r["command"]: r for r in json.load(open(name + ".json"))["results"]}
    # Wall-clock medians, and processor time (user + system), which other
    # programs running at the same time disturb less.
    cpu = {k: r["user"] + r["system"] for k, r in results.items()}
    ours = results["pixmint-cli"]["median"]
    line = f"{name:11} pixmint-cli {ours * 1000:6.2f} ms (cpu {cpu['pixmint-cli'] * 1000:5.2f})"
    for other in (k for k in results if k != "pixmint-cli"):
        theirs = results[other]["median"]
        line += (f" | {other} {theirs * 1000:6.2f} ms (cpu {cpu[other] * 1000:5.2f})"
                 f" ratio {ours / theirs:4.2f}x (cpu {cpu['pixmint-cli'] / cpu[other]:4.2f}x)")
    print(line)
sizes = {f: os.path.getsize(f) for f in ("ours.ico", "icotool.ico", "magick.ico")}
print("created icon sizes: " + ", ".join(f"{k} {v} bytes" for k, v in sizes.items()))
EOF
