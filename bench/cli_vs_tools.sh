#!/usr/bin/env bash
# Whole-process speed of pixmint-cli against the programs users reach for
# instead: icoutils' icotool, ImageMagick and gdk-pixbuf's thumbnailer, on
# the same files. The programs take turns, one run of each per round, so
# that a machine busy with other work slows all of them alike; read the
# ratios of the medians, not the milliseconds. Goals: extract at most 0.5x
# icotool, create at most 1x icotool with a file no larger than
# ImageMagick's, info a few milliseconds, thumbnail at most 1x gdk-pixbuf's
# thumbnailer. Exits 1 when a goal is missed.
#
# Usage: bench/cli_vs_tools.sh PIXMINT_CLI [RUNS]
# with a Release build of the command-line tool, for example:
#   cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPIXMINT_TESTS=OFF -DPIXMINT_APP=OFF
#   cmake --build build/bench --target pixmint-cli && bench/cli_vs_tools.sh build/bench/cli/pixmint-cli
set -euo pipefail
cli=$(realpath "$1")
runs=${2:-200}
for tool in icotool convert identify gdk-pixbuf-thumbnailer python3; do
  command -v "$tool" >/dev/null || { echo "needs $tool (scripts/setup installs it)" >&2; exit 3; }
done
# ImageMagick itself, not a wrapper that an earlier PATH entry may hold.
convert=$(command -v /usr/bin/convert || command -v convert)
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
# Every program writes new files, as into a folder just made: the outputs
# of the run before are removed, untimed, before each run. Programs are
# started as the shell starts them (posix_spawn), and their processor time
# comes from the kernel's account of the child.
python3 - "$cli" "$convert" "$runs" <<'EOF'
import os, shutil, statistics, sys, time
cli, magick, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
devnull = os.open(os.devnull, os.O_WRONLY)

def fresh(outputs):
    for p in outputs:
        if os.path.isdir(p):
            shutil.rmtree(p)
        elif os.path.exists(p):
            os.remove(p)
    # Every program extracts into a folder that is there (icotool needs one).
    for d in ("out-ours", "out-icotool", "out-magick"):
        os.makedirs(d, exist_ok=True)

# name: [(program, command, outputs)]; the first program is ours.
cases = {
    "extract": [("pixmint-cli", [cli, "extract", "six.ico", "out-ours"], ["out-ours"]),
                ("icotool", ["icotool", "-x", "-o", "out-icotool", "six.ico"], ["out-icotool"]),
                ("imagemagick", [magick, "six.ico", "out-magick/six-%d.png"], ["out-magick"])],
    "extract-png": [("pixmint-cli", [cli, "extract", "six-png.ico", "out-ours"], ["out-ours"]),
                    ("icotool", ["icotool", "-x", "-o", "out-icotool", "six-png.ico"], ["out-icotool"]),
                    ("imagemagick", [magick, "six-png.ico", "out-magick/six-png-%d.png"], ["out-magick"])],
    "create": [("pixmint-cli", [cli, "create", "ours.ico", "p16.png", "p32.png", "p48.png", "p256.png"], ["ours.ico"]),
               ("icotool", ["icotool", "-c", "-o", "icotool.ico", "p16.png", "p32.png", "p48.png", "p256.png"],
                ["icotool.ico"]),
               ("imagemagick", [magick, "p16.png", "p32.png", "p48.png", "p256.png", "magick.ico"], ["magick.ico"])],
    "info": [("pixmint-cli", [cli, "info", "six.ico"], []), ("icotool", ["icotool", "-l", "six.ico"], []),
             ("imagemagick", ["identify", "six.ico"], [])],
    # A file manager's thumbnail at 128 pixels, from the 256-pixel PNG
    # image, into a new file; gdk-pixbuf's thumbnailer is the one desktops
    # use for icons without ours.
    "thumbnail": [("pixmint-cli", [cli, "thumbnail", "six-png.ico", "ours-thumb.png", "128"], ["ours-thumb.png"]),
                  ("gdk-pixbuf", ["gdk-pixbuf-thumbnailer", "-s", "128", "six-png.ico", "gdk-thumb.png"],
                   ["gdk-thumb.png"]),
                  ("imagemagick", [magick, "six-png.ico[5]", "-resize", "128x128", "magick-thumb.png"],
                   ["magick-thumb.png"])],
}

def run_once(command, outputs):
    fresh(outputs)
    start = time.perf_counter()
    pid = os.posix_spawnp(command[0], command, os.environ,
                          file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 1), (os.POSIX_SPAWN_DUP2, devnull, 2)])
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{' '.join(command)} failed")
    return wall, usage.ru_utime + usage.ru_stime

goals = {"extract": ("icotool", 0.5), "create": ("icotool", 1.0), "thumbnail": ("gdk-pixbuf", 1.0)}
missed = []
for name, programs in cases.items():
    walls = {p: [] for p, _, _ in programs}
    cpus = {p: [] for p, _, _ in programs}
    for round in range(runs + 5):
        # Each program goes first as often as the others: whatever one run
        # leaves behind (freed memory, files to write back) slows the next.
        shift = round % len(programs)
        for program, command, outputs in programs[shift:] + programs[:shift]:
            wall, cpu = run_once(command, outputs)
            if round >= 5:  # the first rounds fill the caches
                walls[program].append(wall)
                cpus[program].append(cpu)
    wall = {p: statistics.median(v) for p, v in walls.items()}
    cpu = {p: statistics.median(v) for p, v in cpus.items()}
    ours = programs[0][0]
    line = f"{name:11} {ours} {wall[ours] * 1000:6.2f} ms (cpu {cpu[ours] * 1000:5.2f})"
    for other, _, _ in programs[1:]:
        line += (f" | {other} {wall[other] * 1000:6.2f} ms (cpu {cpu[other] * 1000:5.2f})"
                 f" ratio {wall[ours] / wall[other]:4.2f}x (cpu {cpu[ours] / cpu[other]:4.2f}x)")
    print(line, flush=True)
    if name in goals:
        other, goal = goals[name]
        if wall[ours] / wall[other] > goal:
            missed.append(f"{name} takes {wall[ours] / wall[other]:.2f}x {other}'s time (goal {goal}x)")
sizes = {f: os.path.getsize(f) for f in ("ours.ico", "icotool.ico", "magick.ico")}
print("created icon sizes: " + ", ".join(f"{k} {v} bytes" for k, v in sizes.items()))
if sizes["ours.ico"] > sizes["magick.ico"]:
    missed.append("the created icon is larger than ImageMagick's")
for m in missed:
    print("goal missed: " + m)
sys.exit(1 if missed else 0)
EOF
