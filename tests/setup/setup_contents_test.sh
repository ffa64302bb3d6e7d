#!/usr/bin/env bash
# What can be checked of the setup program build/dist/orvane-setup-*-$1.exe
# ($1: x86_64 or i686) without running it, for machines that cannot run its
# 32-bit installer: it unpacks (7-Zip reads NSIS archives) into exactly the
# files of its build tree and of resources/ship/, byte for byte, and into
# nothing the program folder should not hold.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
arch="$1"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

case "$arch" in
  x86_64) tree="$root/build/win" ;;
  i686) tree="$root/build/win32" ;;
  *) fail "unknown processor $arch" ;;
esac
setup="$(ls -t "$root"/build/dist/orvane-setup-*-"$arch".exe 2>/dev/null | head -n 1)"
[ -n "$setup" ] || fail "no setup program for $arch in build/dist (scripts/package.sh makes it)"

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
7z x -y -o"$unpacked" "$setup" >/dev/null || fail "7z cannot unpack $setup"

declare -A expected=(
  [orvane.exe]="$tree/src/orvane.exe"
  [deskward.exe]="$tree/src/lock/deskward.exe"
  [help.chm]="$tree/src/help.chm"
)
for shipped in "$root"/resources/ship/*; do expected[$(basename "$shipped")]="$shipped"; done

for name in "${!expected[@]}"; do
  [ -f "$unpacked/$name" ] || fail "$name is not in the setup program"
  cmp -s "$unpacked/$name" "${expected[$name]}" || fail "$name in the setup program differs from ${expected[$name]}"
done
# NSIS keeps its own plug-ins apart, under \$PLUGINSDIR, and lists the
# uninstaller that the install writes, "unins000.exe", as an empty entry;
# anything else would land in the program folder unasked.
[ -f "$unpacked/unins000.exe" ] || fail "the setup program writes no unins000.exe"
while IFS= read -r packed; do
  [ -n "${expected[$packed]+set}" ] || [ "$packed" = unins000.exe ] ||
    fail "the setup program holds $packed, which is not the program's"
done < <(cd "$unpacked" && find . -path './$PLUGINSDIR' -prune -o -type f -printf '%P\n')
echo "setup program $arch: every file of the program, byte for byte, and nothing else"
