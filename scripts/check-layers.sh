#!/usr/bin/env bash
# Fails on an #include that points up the layers. The source folders from
# the bottom up: common, platform, storage, power and lock (siblings),
# scheduler, dailypower, wakeup, clocksync, dialup, app; a file may include
# its own folder and the folders below it. Inside platform, the interfaces
# include neither backend; the Win32 backend (platform/win32/) is included
# only by itself, the views (*_window.*), win32_main.cpp and the Windows
# tests; the simulated Windows (platform/sim/) only by itself, tools and
# tests. Prints each offending line; exits 1 when there is one.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

declare -A rank=([common]=0 [platform]=1 [storage]=2 [power]=3 [lock]=3 [scheduler]=4 [dailypower]=5
  [wakeup]=6 [clocksync]=7 [dialup]=8 [app]=9)
top=10
status=0

# The rank of a file's own layer: its source folder, or the top for the
# program's entry and the tools.
own_rank() {
  case "$1" in
    src/win32_main.cpp | tools/*) echo "$top" ;;
    src/*)
      local folder="${1#src/}"
      echo "${rank[${folder%%/*}]}"
      ;;
  esac
}

may_use_backend() {
  local file="$1" backend="$2"
  case "$backend" in
    win32) [[ "$file" == src/platform/win32/* || "$file" == *_window.cpp || "$file" == *_window.h ||
      "$file" == src/win32_main.cpp || "$file" == tests/win32/* ]] ;;
    sim) [[ "$file" == src/platform/sim/* || "$file" == tools/* || "$file" == tests/* ]] ;;
  esac
}

offend() {
  echo "$1: $2"
  status=1
}

while IFS= read -r file; do
  mine="$(own_rank "$file")"
  while IFS= read -r line; do
    target="${line#*\"}"
    target="${target%%\"*}"
    folder="${target%%/*}"
    [ -n "${rank[$folder]+set}" ] || continue
    if [ "${rank[$folder]}" -gt "$mine" ] || { [ "${rank[$folder]}" -eq "$mine" ] && [[ "$file" != src/"$folder"/* ]] && [ "$mine" != "$top" ]; }; then
      offend "$file" "$line (up the layers)"
    fi
    case "$target" in
      platform/win32/* | platform/sim/*)
        backend="${target#platform/}"
        backend="${backend%%/*}"
        may_use_backend "$file" "$backend" || offend "$file" "$line (a backend)"
        ;;
    esac
  done < <(grep -E '^#include "[^"]+/' "$file" || true)
done < <(find src tools -name '*.cpp' -o -name '*.h' | sort)

exit "$status"
