#!/usr/bin/env bash
# Sets everything up and opens the Tillmate console on the built-in module emulator.
# The emulator keeps its memory in ~/.local/share/tillmate/module.sqlite (TILLCORE_DB names another
# file, or :memory: for a fresh module).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting the console under a virtual X server (xvfb-run)." >&2
  exec xvfb-run -a "$build_dir/bin/tillmate"
fi
exec "$build_dir/bin/tillmate"
