#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds, and opens a save (default: the bundled demo save).
#   scripts/run.sh [SAVE]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

save="${1:-$ORV5_ROOT/examples/demo.Orv5Save}"
orv5_install_packages
orv5_build "$ORV5_ROOT/build"
if [ -x "$ORV5_ROOT/build/app/orv5-analyser" ]; then
  exec "$ORV5_ROOT/build/app/orv5-analyser" "$save"
fi
exec "$ORV5_ROOT/build/cli/orv5" info "$save"
