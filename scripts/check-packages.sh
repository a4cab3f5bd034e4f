#!/usr/bin/env bash
# Fails when a configured build loaded a CMake package configuration whose Debian package
# scripts/setup.sh does not install: such a build passes here, where the package happens to
# be installed, and fails on a fresh machine.
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
for build in "$@"; do
  cache="$build/CMakeCache.txt"
  [ -f "$cache" ] || { echo "check-packages: $cache does not exist; configure first" >&2; exit 2; }
  while IFS='=' read -r key dir; do
    name="${key%_DIR:PATH}"
    file="$(config_file "$dir" "$name")"
    [ -n "$file" ] || continue
    owner="$(dpkg -S "$file" 2>/dev/null | head -n1 | cut -d: -f1)"
    checked=$((checked + 1))
    if [ -z "$owner" ]; then
      echo "check-packages: $file ($name) belongs to no Debian package; install it through scripts/setup.sh" >&2
      status=1
    elif [ -z "${listed[$owner]:-}" ]; then
      echo "check-packages: $file ($name) comes from the Debian package $owner, which scripts/setup.sh does not install" >&2
      status=1
    fi
  done < <(grep -E '^[A-Za-z0-9_]+_DIR:PATH=/' "$cache")
done
[ "$status" -eq 0 ] && echo "check-packages: the $checked package configurations the build loaded all come from packages scripts/setup.sh installs"
exit "$status"
