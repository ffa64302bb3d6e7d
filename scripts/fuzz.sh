#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz (clang, libFuzzer, ASan and UBSan) in
# build/fuzz and runs each (tests/fuzz/<target>_fuzz.cpp) for SECONDS
# (default 60), starting from its seed corpus tests/fuzz/corpus/<target>/;
# inputs a run adds are kept in build/fuzz/corpus/<target>/. A crash or a
# failed property ends that target, keeps the input as
# build/fuzz/findings/<target>-crash-* and makes the script exit non-zero
# once every target ran. Usage: scripts/fuzz.sh [SECONDS]
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
tree="$root/build/fuzz"

"$root/scripts/setup.sh" || exit 1
if [ ! -f "$tree/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$tree" -G Ninja -DORVANE_FUZZ=ON || exit 1
fi
cmake --build "$tree" --target fuzz_targets || exit 1

# The targets that write files flush them at every input: in memory where
# the system offers it, that costs nothing.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
status=0
mkdir -p "$tree/findings"
for source in "$root"/tests/fuzz/*_fuzz.cpp; do
  name="$(basename "$source" _fuzz.cpp)"
  log="$tree/$name.log"
  mkdir -p "$tree/corpus/$name"
  if "$tree/tests/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$tree/findings/$name-" "$tree/corpus/$name" "$root/tests/fuzz/corpus/$name" >"$log" 2>&1; then
    echo "fuzz PASS $name ($(sed -n 's/^stat::number_of_executed_units: //p' "$log") runs)"
  else
    tail -n 40 "$log"
    echo "fuzz FAIL $name (log: $log)"
    status=1
  fi
done
exit "$status"
