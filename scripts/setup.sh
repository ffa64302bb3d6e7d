#!/usr/bin/env bash
# Installs everything the build, the tests and the run script need, when it is
# missing: native and cross compilers, Wine, a virtual display, a CJK font,
# the zh_CN.UTF-8 locale, the libjpeg-turbo source for the cross build, the
# assembler and 16-bit emulator of the ROM dump program, the help compiler,
# the installer builder and 7-Zip, which unpacks what it made.
# Safe to run again: it only installs what is not there yet.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev libjpeg-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine64
  xvfb xdotool x11-utils imagemagick
  fonts-wqy-microhei locales
  dpkg-dev clang-format
  clang libclang-rt-dev
  valgrind
  nasm python3-unicorn
  fp-utils nsis p7zip-full
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

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

if [ "${#missing[@]}" -gt 0 ] || [ "$need_src" -eq 1 ]; then
  if [ "$need_src" -eq 1 ]; then
    as_root sh -c 'sed -e "s/^Types: deb$/Types: deb-src/" /etc/apt/sources.list.d/debian.sources > /etc/apt/sources.list.d/debian-src.sources'
  fi
  as_root apt-get update -qq
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
fi

# 32-bit Windows programs (the 32-bit build's tests, the setup programs) run
# in the 32-bit Wine, a package of the i386 architecture, where the kernel
# runs 32-bit programs. Where it does not, that package must not be there:
# the wine command would start its 32-bit loader for every program and fail.
wine32_installed() { dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; }
if "$(dirname "${BASH_SOURCE[0]}")/runs-32bit.sh"; then
  if ! wine32_installed; then
    dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
    as_root apt-get update -qq
    echo "setup: installing wine32:i386"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends wine32:i386
  fi
elif wine32_installed; then
  echo "setup: this kernel runs no 32-bit programs; removing wine32:i386, which would keep Wine from starting"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq wine32:i386
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  as_root sh -c 'grep -q "^zh_CN.UTF-8 UTF-8" /etc/locale.gen || echo "zh_CN.UTF-8 UTF-8" >> /etc/locale.gen; locale-gen zh_CN.UTF-8 >/dev/null'
fi

"$(dirname "${BASH_SOURCE[0]}")/fetch-libjpeg.sh"
