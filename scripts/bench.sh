#!/usr/bin/env bash
# Measures what the program costs and checks the figures against their goals:
#  - instructions (callgrind) of one task tick and of one rebuild of the
#    occurrence table, with 10, 1,000 and 10,000 task lines, in a Release
#    native tree without sanitizers (build/release);
#  - the wall time of a simulated day of the whole program (orvane-sim) with
#    10,000 tasks of mixed kinds, about a third of them firing;
#  - that orvane.exe (build/win) imports none of the libraries it loads only
#    when first needed.
# Prints one line per figure with its goal; exits non-zero when one is missed.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

if [ "$#" -gt 0 ]; then
  echo "usage: scripts/bench.sh" >&2
  exit 2
fi

"$ORVANE_ROOT/scripts/setup.sh" || exit 1
release="$ORVANE_ROOT/build/release"
[ -f "$release/CMakeCache.txt" ] ||
  cmake -S "$ORVANE_ROOT" -B "$release" -G Ninja -DORVANE_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build "$release" --target orvane_cost_probe orvane-sim || exit 1
"$ORVANE_ROOT/scripts/build.sh" win || exit 1

missed=0
# Prints figure $1 with value $2 and unit $3 against the goal "at most $4".
report() {
  local verdict=ok
  if awk -v value="$2" -v goal="$4" 'BEGIN { exit !(value > goal) }'; then
    verdict=MISSED
    missed=1
  fi
  printf '%-42s %14s %-13s (goal: at most %s) %s\n' "$1" "$2" "$3" "$4" "$verdict"
}

# Instructions of one run of what `orvane_cost_probe $1 $2 $3` repeats $3 times.
instructions() {
  local out total
  out="$(mktemp)"
  valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='orvane::bench::measured*' \
    "$release/tests/orvane_cost_probe" "$@" >/dev/null 2>&1
  total="$(sed -n 's/^summary: //p' "$out")"
  rm -f "$out"
  echo $((total / $3))
}

echo "=== instructions (callgrind, Release native build)"
for tasks in 10 1000 10000; do
  printf '%-42s %14s instructions\n' "task tick, $tasks tasks, nothing due" "$(instructions tick "$tasks" 1000)"
done
for tasks in 10 1000 10000; do
  count="$(instructions rebuild "$tasks" 5)"
  if [ "$tasks" -eq 1000 ]; then
    report "rebuild, $tasks task lines" "$count" instructions 2000000
  else
    printf '%-42s %14s instructions\n' "rebuild, $tasks task lines" "$count"
  fi
done

echo "=== simulated day (orvane-sim, Release native build)"
day="$(mktemp -d)"
"$release/tests/orvane_cost_probe" day-file 10000 >"$day/task.dat"
started="$(date +%s.%N)"
"$release/tools/orvane-sim" --dir "$day" --start "2026-12-07 00:00:00" --run 86400 >"$day/log.txt"
seconds="$(awk -v start="$started" -v end="$(date +%s.%N)" 'BEGIN { printf "%.2f", end - start }')"
fired="$(grep -c ' dodo row=' "$day/log.txt")"
report "day, 10000 tasks, $fired fired" "$seconds" seconds 2
rm -rf "$day"

echo "=== imports of orvane.exe"
cmake -DOBJDUMP=x86_64-w64-mingw32-objdump -DEXE="$ORVANE_WIN_BUILD/src/orvane.exe" \
  "-DLIBRARIES=comdlg32;winmm;ws2_32;rasapi32" -P "$ORVANE_ROOT/cmake/CheckImports.cmake" || missed=1
exit "$missed"
