#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds, and opens a save (default: the bundled demo save)
# in the window; without a display it prints what the window would show instead.
#   scripts/run.sh [SAVE]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

save="${1:-$ORV5_ROOT/examples/demo.Orv5Save}"
orv5_install_packages
orv5_build "$ORV5_ROOT/build"
window="$ORV5_ROOT/build/app/orv5-analyser"
if [ -x "$window" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$window" "$save"
fi
echo "No display is available (DISPLAY and WAYLAND_DISPLAY are unset); this is what the window shows:" >&2
exec "$ORV5_ROOT/build/cli/orv5" report "$save"
