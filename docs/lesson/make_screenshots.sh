#!/bin/sh
# Regenerates the README's lesson screenshots: runs lesson.script through grafuri-script in an
# empty working directory and keeps the part of the virtual screen around the main window.
#   docs/lesson/make_screenshots.sh [path/to/grafuri-script]   (default: build/release/bin/grafuri-script)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
script_tool=$(realpath "${1:-$here/../../build/release/bin/grafuri-script}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here/lesson.script" "$work/"
(cd "$work" && "$script_tool" lesson.script)
for shot in "$work"/*.png; do
    # The main window stands at (40, 40), 1000 x 660; the step boxes reach to x = 1120.
    convert "$shot" -crop 1100x680+30+30 +repage "$here/$(basename "$shot")"
done
cp "$work/lectie.txt" "$here/lectie.txt"
