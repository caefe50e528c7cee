#!/bin/sh
# Regenerates docs/startup.png, the main window as it opens on the repository's RoriR.in: runs
# grafuri-script in a scratch working directory holding a copy of that file and keeps the window's
# part of the virtual screen.
#   docs/make-screenshots.sh [path/to/grafuri-script]   (default: build/release/bin/grafuri-script)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
script_tool=$(realpath "${1:-$here/../build/release/bin/grafuri-script}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here/../RoriR.in" "$work/"
printf 'screenshot startup.png\nclose\n' > "$work/startup.script"
(cd "$work" && "$script_tool" startup.script)
# The headless screen puts the main window's outer corner at (40, 40); it is 1000 x 660.
convert "$work/startup.png" -crop 1000x660+40+40 +repage "$here/startup.png"
