#!/usr/bin/env bash
# Builds the web page into build-web/index.html: the core compiled to wasm with Debian's
# emscripten, with the page's scripts, pako and Chart.js inlined into that one file, which
# works opened from disk or from any static host.
#   scripts/web.sh         build the page
#   scripts/web.sh test    build it with its tests and run them: the core's unit tests under
#                          node, and the page in headless Chromium against orv5 report (the
#                          native orv5 is built into build/ for that)
#   scripts/web.sh pictures  draw every tab of the page on the demo save into build-web/pictures/
#                          and keep the Graph tab as the README's docs/web.png; with
#                          ORV5_REAL_SAVES set, also the saves panel on those saves dropped
#                          together (docs/web-saves.png)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

mode="${1:-build}"
case "$mode" in build | test | pictures) ;; *) echo "usage: scripts/web.sh [test|pictures]" >&2; exit 2 ;; esac
orv5_install_packages "${ORV5_WEB_PACKAGES[@]}"
# A node from outside Debian does not search Debian's module folder, which holds emscripten's
# acorn and pako; Debian's own node ignores the setting.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"

web="$ORV5_ROOT/build-web"
tests=OFF
[ "$mode" = test ] && tests=ON
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
emcmake cmake -S "$ORV5_ROOT" -B "$web" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORV5_BUILD_TESTS="$tests" \
  "${launcher[@]}" >/dev/null
cmake --build "$web" -j "$(nproc)"
echo "$web/index.html: $(stat -c %s "$web/index.html") bytes"
if [ "$mode" = pictures ]; then
  drop=()
  [ -n "${ORV5_REAL_SAVES:-}" ] && drop=(--drop "$ORV5_REAL_SAVES" --compare qel-hotseat-t1.Orv5Save,qel-hotseat-t2a.Orv5Save)
  node "$ORV5_ROOT/web/tests/Pictures.js" --page "$web/index.html" --chromium chromium \
    --save "$ORV5_ROOT/examples/demo.Orv5Save" --out "$web/pictures" --size 1100x760 "${drop[@]}"
  cp "$web/pictures/GraphTab.png" "$ORV5_ROOT/docs/web.png"
  echo "docs/web.png: the Graph tab of examples/demo.Orv5Save"
  if [ ${#drop[@]} -gt 0 ]; then
    cp "$web/pictures/SavesPanel.png" "$ORV5_ROOT/docs/web-saves.png"
    echo "docs/web-saves.png: the saves of $ORV5_REAL_SAVES dropped together, two hotseat saves compared"
  fi
fi
[ "$mode" = test ] || exit 0

orv5_install_packages
native="$ORV5_ROOT/build"
[ -f "$native/CMakeCache.txt" ] || cmake -S "$ORV5_ROOT" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$native" --target orv5 -j "$(nproc)"
ctest --test-dir "$web" --output-on-failure -j "$(nproc)"
