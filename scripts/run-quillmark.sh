#!/usr/bin/env bash
# Starts Quillmark; without a display it runs under a virtual X server.
set -euo pipefail
program="$1"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi
echo "No display found: running Quillmark under Xvfb (virtual X server)."
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
