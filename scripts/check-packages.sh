#!/usr/bin/env bash
# Fails when a configured build loaded a CMake package configuration, or linked a library found
# through pkg-config, whose Debian package scripts/setup.sh does not install: such a build
# passes here, where the package happens to be installed, and fails on a fresh machine.
#   scripts/check-packages.sh BUILD_DIR...
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

declare -A listed=()
for package in "${ORV5_PACKAGES[@]}"; do listed["$package"]=1; done

# The configuration file a *_DIR entry of the cache points at, or nothing.
config_file() {
  local dir="$1" name="$2"
  for candidate in "$dir/${name}Config.cmake" "$dir/$(echo "$name" | tr '[:upper:]' '[:lower:]')-config.cmake"; do
    [ -f "$candidate" ] && { echo "$candidate"; return 0; }
  done
  return 0
}

status=0
checked=0
# Checks that FILE, which the build loaded as WHAT, belongs to a package set-up installs.
check_owner() {
  local file="$1" what="$2" owner
  owner="$(dpkg -S "$file" 2>/dev/null | head -n1 | cut -d: -f1)"
  checked=$((checked + 1))
  if [ -z "$owner" ]; then
    echo "check-packages: $file ($what) belongs to no Debian package; install it through scripts/setup.sh" >&2
    status=1
  elif [ -z "${listed[$owner]:-}" ]; then
    echo "check-packages: $file ($what) comes from the Debian package $owner, which scripts/setup.sh does not install" >&2
    status=1
  fi
}

for build in "$@"; do
  cache="$build/CMakeCache.txt"
  [ -f "$cache" ] || { echo "check-packages: $cache does not exist; configure first" >&2; exit 2; }
  while IFS='=' read -r key dir; do
    name="${key%_DIR:PATH}"
    file="$(config_file "$dir" "$name")"
    [ -n "$file" ] || continue
    check_owner "$file" "$name"
  done < <(grep -E '^[A-Za-z0-9_]+_DIR:PATH=/' "$cache")
  # Libraries that pkg_check_modules found (ISA-L has no CMake configuration).
  while IFS='=' read -r key file; do
    check_owner "$file" "pkg-config ${key#pkgcfg_lib_}"
  done < <(grep -E '^pkgcfg_lib_[A-Za-z0-9_]+:FILEPATH=/' "$cache" | sed 's/:FILEPATH=/=/')
done
[ "$status" -eq 0 ] && echo "check-packages: the $checked package configurations and pkg-config libraries the build loaded all come from packages scripts/setup.sh installs"
exit "$status"
