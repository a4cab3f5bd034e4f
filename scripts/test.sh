#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds, and runs every test.
# Tests over real saves run when ORV5_REAL_SAVES names their folder, and skip otherwise.
#   scripts/test.sh [BUILD_DIR]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

build="${1:-$ORV5_ROOT/build}"
orv5_install_packages
orv5_make_test_locale
orv5_build "$build"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
