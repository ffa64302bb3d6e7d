#!/usr/bin/env bash
# Builds the setup programs of both Windows builds from the optimised,
# stripped release trees (build/win for 64-bit, build/win32 for 32-bit):
# build/dist/orvane-setup-<version>-x86_64.exe and ...-i686.exe, made with
# NSIS from installer/orvane.nsi. Installs what is missing first.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dist="$root/build/dist"

"$root/scripts/build.sh" win win32

# Makes the setup program of build tree $1 for the processor $2.
make_setup() {
  local tree="$root/build/$1" version output
  version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")"
  output="$dist/orvane-setup-$version-$2.exe"
  makensis -V2 -INPUTCHARSET UTF8 "-DVERSION=$version" "-DARCH=$2" "-DBUILD=$tree" "-DSOURCE=$root" \
    "-DOUTFILE=$output" "$root/installer/orvane.nsi"
  echo "package: $output"
}

mkdir -p "$dist"
make_setup win x86_64
make_setup win32 i686
