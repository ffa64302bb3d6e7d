#!/usr/bin/env bash
# Unpacks Debian's libjpeg-turbo source package into third_party/libjpeg-turbo
# for the cross build (cmake/LibJpeg.cmake). Does nothing when it is there.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
target="$root/third_party/libjpeg-turbo"
[ -f "$target/CMakeLists.txt" ] && exit 0

mkdir -p "$root/third_party"
work="$(mktemp -d "$root/third_party/.fetch.XXXXXX")"
trap 'rm -rf "$work"' EXIT
cd "$work"
# The source index may be older than the deb-src entry: refresh it once.
if ! apt-get source -qq libjpeg-turbo >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then apt-get update -qq; else sudo apt-get update -qq; fi
  apt-get source -qq libjpeg-turbo >/dev/null
fi
rm -rf "$target"
mv "$work"/libjpeg-turbo-*/ "$target"
echo "fetch-libjpeg: unpacked $(basename "$(ls -d "$work"/libjpeg-turbo_*.dsc)" .dsc) into $target"
