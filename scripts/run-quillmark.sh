#!/usr/bin/env bash
# Starts Quillmark; without a display it runs under a virtual X server.
# The user's books live in the user's data folder; the first run makes empty
# default books there with the companion tool built beside the program.
set -euo pipefail
program="$1"
books="${XDG_DATA_HOME:-$HOME/.local/share}/Quillmark/vevodir.dat"
if [ ! -e "$books" ]; then
    mkdir -p "$(dirname "$books")"
    "$(dirname "$program")/newcompanyfile" --default --if-missing "$books"
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi
echo "No display found: running Quillmark under Xvfb (virtual X server)."
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
