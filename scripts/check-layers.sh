#!/usr/bin/env bash
# Fails on an #include that points up the layers. The source folders from
# the bottom up: common, platform, storage, power and lock (siblings),
# scheduler, dailypower, wakeup, clocksync, dialup, app; a file may include
# its own folder and the folders below it. A test folder tests/<folder> has
# the layer of its source folder; tests/test_support that of platform; the
# Windows tests (tests/win32), the benchmarks and the tool tests stand just
# below app, so that only tests/app includes app. Inside platform, the interfaces
# include neither backend; the Win32 backend (platform/win32/) is included
# only by itself, the views (*_window.*), win32_main.cpp and the Windows
# tests; the simulated Windows (platform/sim/) only by itself, tools and
# tests. <windows.h> is included only where the Win32 backend may be, and
# by the Windows-only tool programs (tools/empty_tray): the portable code
# reaches Windows through the platform interfaces alone. Prints each
# offending line; exits 1 when there is one.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

declare -A rank=([common]=0 [platform]=1 [storage]=2 [power]=3 [lock]=3 [scheduler]=4 [dailypower]=5
  [wakeup]=6 [clocksync]=7 [dialup]=8 [app]=9)
top=10
status=0

# The folder of a file under src/ or tests/ ("scheduler"), or nothing.
folder_of() {
  local rest="${1#*/}"
  if [[ "$rest" == */* ]]; then echo "${rest%%/*}"; fi
}

is_ranked() { [ -n "$1" ] && [ -n "${rank[$1]+set}" ]; }

# The rank of a file's own layer.
own_rank() {
  local folder
  folder="$(folder_of "$1")"
  case "$1" in
    src/win32_main.cpp | tools/* | tests/app/*) echo "$top" ;;
    tests/test_support/*) echo "${rank[platform]}" ;;
    tests/win32/* | tests/bench/* | tests/tools/*) echo "$((rank[app] - 1))" ;;
    *) if is_ranked "$folder"; then echo "${rank[$folder]}"; else echo "$top"; fi ;;
  esac
}

may_use_backend() {
  local file="$1" backend="$2"
  case "$backend" in
    win32) [[ "$file" == src/platform/win32/* || "$file" == *_window.cpp || "$file" == *_window.h ||
      "$file" == src/win32_main.cpp || "$file" == tests/win32/* || "$file" == tests/*/win32/* ]] ;;
    sim) [[ "$file" == src/platform/sim/* || "$file" == tools/* || "$file" == tests/* ]] ;;
  esac
}

may_include_windows() {
  may_use_backend "$1" win32 || [[ "$1" == tools/empty_tray/* ]]
}

offend() {
  echo "$1: $2"
  status=1
}

while IFS= read -r file; do
  mine="$(own_rank "$file")"
  mine_folder="$(folder_of "$file")"
  # Siblings of one rank (power and lock) do not include each other.
  is_ranked "$mine_folder" || mine_folder=""
  while IFS= read -r line; do
    target="${line#*\"}"
    target="${target%%\"*}"
    folder="${target%%/*}"
    is_ranked "$folder" || continue
    if [ "${rank[$folder]}" -gt "$mine" ] || { [ "${rank[$folder]}" -eq "$mine" ] && [ -n "$mine_folder" ] && [ "$folder" != "$mine_folder" ]; }; then
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
  if ! may_include_windows "$file"; then
    while IFS= read -r line; do offend "$file" "$line (Windows only)"; done < <(grep -E '^#include <windows\.h>' "$file" || true)
  fi
done < <(find src tools tests -name '*.cpp' -o -name '*.h' | sort)

exit "$status"
