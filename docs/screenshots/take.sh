#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb: a 32-bit icon at zoom 8 in RGB
# and in Alpha mode, and a cursor (dialogs.py takes the manual's dialogs).
# Usage: take.sh [PROGRAM]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/release/app/pixmint}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/make_samples.py" "$work"
# A fresh user: no settings, the window centred 60 pixels smaller than the screen.
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

shoot() {  # FILE OUTPUT [xdotool arguments...]
  local file=$1 out=$2
  shift 2
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$0" "$1" & pid=$!
    sleep 5
    if [ $# -gt 2 ]; then xdotool "${@:3}"; sleep 1; fi
    xdotool mousemove 1270 790
    sleep 1
    import -window root -crop 1220x740+30+30 "$2"
    kill $pid' "$program" "$file" "$out" "$@"
}

shoot "$work/sample32.ico" "$here/icon32_rgb.png"
# The Alpha mode button of the tool bar.
shoot "$work/sample32.ico" "$here/icon32_alpha.png" mousemove 398 66 click 1
shoot "$work/sample.cur" "$here/cursor.png"
