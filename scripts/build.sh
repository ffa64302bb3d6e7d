#!/usr/bin/env bash
# Builds build/native (Linux, Ninja, sanitizers on) and build/win (MinGW-w64
# cross build, 64-bit), or those named: scripts/build.sh [native|win|win32]...
# build/win32 is the cross build for 32-bit Windows.
# Installs what is missing first. A second run only rebuilds what changed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[ "$#" -gt 0 ] || set -- native win

"$root/scripts/setup.sh"

# The targets to build in the next tree; none means all.
targets=()

build_tree() {
  local tree="$root/build/$1"
  shift
  [ -f "$tree/CMakeCache.txt" ] || cmake -S "$root" -B "$tree" -G Ninja "$@"
  cmake --build "$tree" ${targets[@]+--target "${targets[@]}"}
}

for tree in "$@"; do
  case "$tree" in
    native) build_tree native ;;
    win) build_tree win -DCMAKE_TOOLCHAIN_FILE="$root/cmake/ToolchainMinGW.cmake" ;;
    win32)
      # What ships and the Windows tests; the 64-bit tree alone builds the
      # helpers of the benchmarks and of the GUI tests.
      targets=(orvane deskward help_chm orvane_tests orvane_win32_tests start_marker)
      build_tree win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/ToolchainMinGW32.cmake"
      targets=()
      ;;
    *)
      echo "usage: scripts/build.sh [native|win|win32]..." >&2
      exit 2
      ;;
  esac
done
