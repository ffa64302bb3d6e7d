#!/usr/bin/env bash
# Measures what the program costs and checks the figures against their goals:
#  - instructions (callgrind) of one task tick and of one rebuild of the
#    occurrence table, with 10, 1,000 and 10,000 task lines, in a Release
#    native tree without sanitizers (build/release);
#  - the wall time of a simulated day of the whole program (orvane-sim) with
#    10,000 tasks of mixed kinds, about a third of them firing;
#  - that orvane.exe (build/win) imports none of the libraries it loads only
#    when first needed (the Windows tree's test lazy_imports).
# scripts/bench.sh --idle also runs orvane.exe and a small empty tray program
# (tools/empty_tray, built for this) side by side under Wine on a virtual
# display, both idle in the tray for two minutes, and compares their memory
# (resident set) and CPU time.
# Prints one line per figure with its goal; exits non-zero when one is missed.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

idle=0
case "${1:-}" in
  "") ;;
  --idle) idle=1 ;;
  *)
    echo "usage: scripts/bench.sh [--idle]" >&2
    exit 2
    ;;
esac

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
# Wall time, and the CPU time that a busy machine does not stretch.
TIMEFORMAT='%R %U %S'
times="$({ time "$release/tools/orvane-sim" --dir "$day" --start "2026-12-07 00:00:00" --run 86400 >"$day/log.txt"; } 2>&1)"
read -r wall user system <<<"$times"
fired="$(grep -c ' dodo row=' "$day/log.txt")"
printf '%-42s %14s seconds wall\n' "day, 10000 tasks, $fired fired" "$wall"
report "day, 10000 tasks, CPU time" "$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')" seconds 2
rm -rf "$day"

echo "=== imports of orvane.exe"
ctest --test-dir "$ORVANE_WIN_BUILD" -R '^lazy_imports$' --output-on-failure >/dev/null && echo "imports none of the lazily loaded libraries" || {
  echo "imports a lazily loaded library: ctest --test-dir build/win -R lazy_imports"
  missed=1
}

# The Linux process of the Windows program $1 running in this prefix (other
# prefixes may run a program of the same name). Under Wine its command line
# starts with its Windows path ("C:\Orvane\orvane.exe").
wine_process() {
  local pid program
  for pid in $(pgrep -f "$1"); do
    program="$(tr '\0' '\n' <"/proc/$pid/cmdline" 2>/dev/null | head -n 1)"
    [ "$program" = "$1" ] || [ "${program##*\\}" = "$1" ] || continue
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return 0
    fi
  done
  return 1
}

# CPU time of process $1 in milliseconds, all its threads: the scheduler's own
# count, finer than the clock ticks of /proc/PID/stat, of which an idle
# program uses only a few in two minutes.
cpu_milliseconds() {
  cat "/proc/$1/task/"*/sched 2>/dev/null | awk '/^se.sum_exec_runtime/ { sum += $3 } END { printf "%.1f", sum }'
}

rss_kib() {
  awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"
}

# Both programs idle side by side in one prefix; the figures of the two
# minutes after a start-up of 30 seconds.
idle_compare() (
  trap headless_cleanup EXIT
  wine_use_prefix "$ORVANE_ROOT/build/wine/bench"
  xvfb_start && wine_prepare_prefix && wine_start_services || return 1
  local folder orvane empty
  folder="$(wine_install_program)"
  # The program starts hidden in the tray, as the setting "start in the tray"
  # makes it.
  printf '[tray]\r\ntray=1\r\n' >"$folder/wake.ini"
  program_start orvane.exe
  cp "$ORVANE_WIN_BUILD/tools/empty_tray.exe" "$folder/"
  (cd "$folder" && exec wine empty_tray.exe >/dev/null 2>&1) &
  sleep 30
  orvane="$(wine_process orvane.exe)" && empty="$(wine_process empty_tray.exe)" || {
    echo "idle: orvane.exe or empty_tray.exe is not running" >&2
    return 1
  }
  local orvane_start empty_start
  orvane_start="$(cpu_milliseconds "$orvane")"
  empty_start="$(cpu_milliseconds "$empty")"
  sleep 120
  echo "screenshot: $(screenshot bench-idle)"
  local orvane_cpu empty_cpu
  orvane_cpu="$(awk -v end="$(cpu_milliseconds "$orvane")" -v start="$orvane_start" 'BEGIN { printf "%.1f", end - start }')"
  empty_cpu="$(awk -v end="$(cpu_milliseconds "$empty")" -v start="$empty_start" 'BEGIN { printf "%.1f", end - start }')"
  local orvane_rss empty_rss
  orvane_rss="$(rss_kib "$orvane")"
  empty_rss="$(rss_kib "$empty")"
  printf 'orvane.exe:     %6d KiB resident, %8s ms CPU in 120 s\n' "$orvane_rss" "$orvane_cpu"
  printf 'empty_tray.exe: %6d KiB resident, %8s ms CPU in 120 s\n' "$empty_rss" "$empty_cpu"
  # An empty program that used less than a millisecond counts as one.
  report "idle memory, orvane.exe / empty tray" "$(awk -v a="$orvane_rss" -v b="$empty_rss" 'BEGIN { printf "%.2f", a / b }')" times 1.3
  report "idle CPU, orvane.exe / empty tray" \
    "$(awk -v a="$orvane_cpu" -v b="$empty_cpu" 'BEGIN { if (b < 1) b = 1; printf "%.2f", a / b }')" times 1.2
  return "$missed"
)

if [ "$idle" -eq 1 ]; then
  echo "=== idle in the tray under Wine, beside an empty tray program"
  idle_compare || missed=1
fi
exit "$missed"
