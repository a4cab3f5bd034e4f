#!/usr/bin/env bash
# Shared set-up for run.sh and test.sh: installs the Debian packages the build needs
# (only those missing), then configures and builds into the given folder.
set -euo pipefail

ORV5_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ORV5_PACKAGES=(
  g++ cmake ninja-build pkg-config
  zlib1g-dev libisal-dev nlohmann-json3-dev libcli11-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  clang libclang-rt-dev desktop-file-utils shared-mime-info locales
)

# What scripts/web.sh needs for the page (Debian's emscripten, pako and Chart.js) and its tests
# (GoogleTest's sources, node, Chromium).
ORV5_WEB_PACKAGES=(
  cmake ninja-build emscripten nodejs node-pako libjs-chart.js nlohmann-json3-dev googletest chromium
)

# orv5_install_packages [PACKAGE...]: installs those of the packages (default: ORV5_PACKAGES)
# that are missing.
orv5_install_packages() {
  local wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${ORV5_PACKAGES[@]}")
  local missing=()
  for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# orv5_build BUILD_DIR [extra cmake arguments...]
orv5_build() {
  local dir="$1"
  shift
  cmake -S "$ORV5_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

# The formatter's tests check the decimal point under a German locale; make one if we can.
orv5_make_test_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE.utf-\?8$' && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 2>/dev/null || echo "note: no de_DE.UTF-8 locale; its tests will skip"
}
