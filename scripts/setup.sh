#!/usr/bin/env bash
# Installs everything the build, the tests and the run script need, when it is
# missing: native and cross compilers, Wine, a virtual display, a CJK font,
# the zh_CN.UTF-8 locale, the libjpeg-turbo source for the cross build, the
# assembler and 16-bit emulator of the ROM dump program, the help compiler
# and the installer builder.
# Safe to run again: it only installs what is not there yet.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev libjpeg-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine64 wine32:i386
  xvfb xdotool x11-utils imagemagick
  fonts-wqy-microhei locales
  dpkg-dev clang-format
  clang libclang-rt-dev
  valgrind
  nasm python3-unicorn
  fp-utils nsis
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The 32-bit Windows build's tests run in a 32-bit Wine (wine32), a package
# of the i386 architecture.
need_i386=0
dpkg --print-foreign-architectures | grep -qx i386 || need_i386=1
[ "$need_i386" -eq 0 ] || as_root dpkg --add-architecture i386

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# The cross build compiles libjpeg-turbo from Debian's source package, which
# needs a deb-src entry.
need_src=0
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  need_src=1
fi

if [ "${#missing[@]}" -gt 0 ] || [ "$need_src" -eq 1 ] || [ "$need_i386" -eq 1 ]; then
  if [ "$need_src" -eq 1 ]; then
    as_root sh -c 'sed -e "s/^Types: deb$/Types: deb-src/" /etc/apt/sources.list.d/debian.sources > /etc/apt/sources.list.d/debian-src.sources'
  fi
  as_root apt-get update -qq
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  as_root sh -c 'grep -q "^zh_CN.UTF-8 UTF-8" /etc/locale.gen || echo "zh_CN.UTF-8 UTF-8" >> /etc/locale.gen; locale-gen zh_CN.UTF-8 >/dev/null'
fi

"$(dirname "${BASH_SOURCE[0]}")/fetch-libjpeg.sh"
