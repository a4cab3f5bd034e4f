#!/usr/bin/env bash
# Draws the window on the demo save without a display and keeps the README's picture in
# docs/. Pictures of every sheet go to BUILD/pictures/ for a look before committing.
#   scripts/screenshot.sh [SHEET]   (default: CityTab; BUILD: $ORV5_BUILD_DIR or build/)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
orv5_install_packages
build="${ORV5_BUILD_DIR:-$ORV5_ROOT/build}"
orv5_build "$build" -DORV5_BUILD_GUI=ON
sheet="${1:-CityTab}"
pictures="$build/pictures"
cd "$ORV5_ROOT"  # the Path field then shows the save's path inside the repository
QT_QPA_PLATFORM=offscreen "$build/tools/window_pictures" examples/demo.Orv5Save "$pictures"
cp "$pictures/$sheet.png" "$ORV5_ROOT/docs/screenshot.png"
echo "docs/screenshot.png: the $sheet sheet of examples/demo.Orv5Save"
