#!/bin/sh
# Runs every scenario script through "pixmint-cli script" in a fresh folder,
# reads back every icon and cursor it saved with "pixmint-cli info" and
# "pixmint-cli extract" (a checksum of each image's pixels), and compares all
# of it with the scenario's .expected file. A scenario with a line
# "#! readback" also gets each saved file opened again and its first image
# printed. Any other file saved is shown by its first four bytes (the format
# its writer chose).
# Usage: run_scenarios.sh PIXMINT_CLI SCRIPTS_DIR   (UPDATE=1 rewrites .expected)
set -u
cli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
dir=$(cd "$2" && pwd)
failed=0
for script in "$dir"/*.pmscript; do
  name=$(basename "$script" .pmscript)
  work=$(mktemp -d)
  (
    cd "$work" || exit 1
    "$cli" script "$script" 2>&1
    echo "exit $?"
    for f in $(ls | grep -v -i -E '\.(ico|cur)$' | sort); do
      echo "== $f$(od -An -tx1 -N4 "$f")"
    done
    for f in $(ls | grep -i -E '\.(ico|cur)$' | sort); do
      echo "== $f"
      "$cli" info "$f" 2>&1
      "$cli" extract "$f" .extracted 2>&1
      for png in $(ls .extracted | sort); do
        echo "$png $(md5sum < ".extracted/$png" | cut -c1-32)"
      done
      rm -rf .extracted
      # Scenarios marked "#! readback" also show the first image as the
      # editor reads it back (this keeps what PNG cannot: inverting pixels).
      if grep -q '^#! readback' "$script"; then
        printf 'open %s\nprint pixels work\n' "$f" > .readback
        "$cli" script .readback 2>&1
      fi
    done
  ) > "$work/.actual"
  if [ "${UPDATE:-0}" = 1 ]; then
    cp "$work/.actual" "$dir/$name.expected"
  elif ! diff -u "$dir/$name.expected" "$work/.actual"; then
    echo "FAILED: $name"
    failed=1
  else
    echo "ok: $name"
  fi
  rm -rf "$work"
done
exit $failed
