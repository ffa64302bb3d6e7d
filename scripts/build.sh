#!/usr/bin/env bash
# Builds build/native (Linux, Ninja, sanitizers on) and build/win (MinGW-w64
# cross build), or only the one named: scripts/build.sh [native|win].
# Installs what is missing first. A second run only rebuilds what changed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[ "$#" -gt 0 ] || set -- native win

"$root/scripts/setup.sh"

build_tree() {
  local tree="$root/build/$1"
  shift
  [ -f "$tree/CMakeCache.txt" ] || cmake -S "$root" -B "$tree" -G Ninja "$@"
  cmake --build "$tree"
}

for tree in "$@"; do
  case "$tree" in
    native) build_tree native ;;
    win) build_tree win -DCMAKE_TOOLCHAIN_FILE="$root/cmake/ToolchainMinGW.cmake" ;;
    *)
      echo "usage: scripts/build.sh [native|win]" >&2
      exit 2
      ;;
  esac
done
