#!/usr/bin/env bash
# Checks that no include points up the layers (scripts/check-layers.sh),
# builds the trees and runs every test: the native tests, a short run of
# every fuzz target (scripts/fuzz.sh), the Windows tests under Wine (on a
# virtual display) and the GUI tests (tests/gui/*.sh), then the Windows tests
# of the 32-bit build in a 32-bit Wine, and last makes the setup programs
# (scripts/package.sh), compares what they unpack into with the builds and
# installs and removes them under Wine. The 32-bit Windows tests
# and the setup tests are skipped, and say so, on a machine whose kernel runs
# no 32-bit programs (scripts/runs-32bit.sh). Ends
# with a pass/fail line per stage and exits non-zero when any stage failed.
# Logs go to build/test-logs/.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

logs="$ORVANE_ROOT/build/test-logs"
jobs="$(nproc)"
stages=()
results=()
passed=0
failed=0

# Runs stage $1 (a name) as the command "${@:2}", its output shown and kept
# in build/test-logs/$1.log.
stage() {
  local name="$1" started=$SECONDS status
  shift
  echo "=== $name"
  mkdir -p "$logs"
  "$@" 2>&1 | tee "$logs/$name.log"
  status=${PIPESTATUS[0]}
  stages+=("$name")
  if [ "$status" -eq 0 ]; then results+=("PASS ($((SECONDS - started)) s)"); else results+=("FAIL ($((SECONDS - started)) s)"); fi
  return "$status"
}

# Adds the counts of ctest's closing line in the log of stage $1; a run of no
# test is a failure.
count_ctest() {
  local line
  line="$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$logs/$1.log" | tail -n 1)"
  if [ -z "$line" ]; then
    echo "$1: ran no test" >&2
    return 1
  fi
  local bad total
  bad="$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")"
  total="$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")"
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  [ "$total" -gt 0 ]
}

ctest_run() {
  ctest --test-dir "$1" --output-on-failure --timeout 300 -j "$jobs"
}

# The Windows tests of build tree $1 run under Wine in their own prefix $2
# (of the Windows $3, see wine_use_prefix), on a virtual display for those
# that open windows.
windows_tests() (
  trap headless_cleanup EXIT
  wine_use_prefix "$ORVANE_ROOT/build/wine/$2" "${3:-}"
  xvfb_start && wine_prepare_prefix && wine_start_services && ctest_run "$1"
)

# Runs the test script "${@:2}" without a display and prints the line
# "$1 PASS|FAIL <its name and arguments>".
script_test() {
  local kind="$1" name
  shift
  name="$(basename "$1")${2:+ ${*:2}}"
  echo "--- $name"
  if env -u DISPLAY "$@"; then
    echo "$kind PASS $name"
  else
    echo "$kind FAIL $name"
    return 1
  fi
}

gui_tests() {
  local script status=0
  for script in "$ORVANE_ROOT"/tests/gui/*.sh; do
    script_test gui-test "$script" || status=1
  done
  return "$status"
}

# The setup programs of both builds, through the test script
# tests/setup/$1: unpacked and compared with the builds (setup_contents_test.sh),
# or installed and removed under Wine (setup_test.sh).
setup_tests() {
  local arch status=0
  for arch in x86_64 i686; do
    script_test setup-test "$ORVANE_ROOT/tests/setup/$1" "$arch" || status=1
  done
  return "$status"
}

# Adds the lines "$2 PASS ..." and "$2 FAIL ..." of the log of stage $1.
count_script_tests() {
  passed=$((passed + $(grep -c "^$2 PASS" "$logs/$1.log")))
  failed=$((failed + $(grep -c "^$2 FAIL" "$logs/$1.log")))
}

not_run() {
  stages+=("$1")
  results+=("FAIL (not run: $2 failed)")
}

# Records stage $1 as skipped because this machine cannot run it ($2).
skip() {
  echo "=== $1"
  echo "skipped: $2"
  stages+=("$1")
  results+=("SKIP ($2)")
}

# 32-bit Windows programs need a kernel that runs 32-bit programs.
runs_32bit=0
"$ORVANE_ROOT/scripts/runs-32bit.sh" && runs_32bit=1
no_32bit="this kernel runs no 32-bit programs"

stage layers "$ORVANE_ROOT/scripts/check-layers.sh"
if stage native-build "$ORVANE_ROOT/scripts/build.sh" native; then
  stage native-tests ctest_run "$ORVANE_ROOT/build/native"
  count_ctest native-tests || results[-1]="FAIL (no test ran)"
else
  not_run native-tests native-build
fi
# Every fuzz target for a moment, so that a regression shows (scripts/fuzz.sh
# runs them longer).
stage fuzz "$ORVANE_ROOT/scripts/fuzz.sh" 2
count_script_tests fuzz fuzz
if stage win-build "$ORVANE_ROOT/scripts/build.sh" win; then
  stage windows-tests windows_tests "$ORVANE_WIN_BUILD" tests
  count_ctest windows-tests || results[-1]="FAIL (no test ran)"
  stage gui-tests gui_tests
  count_script_tests gui-tests gui-test
else
  not_run windows-tests win-build
  not_run gui-tests win-build
fi

# The 32-bit build runs the same Windows tests in a 32-bit Windows.
if stage win32-build "$ORVANE_ROOT/scripts/build.sh" win32; then
  if [ "$runs_32bit" -eq 1 ]; then
    stage windows32-tests windows_tests "$ORVANE_ROOT/build/win32" tests32 win32
    count_ctest windows32-tests || results[-1]="FAIL (no test ran)"
  else
    skip windows32-tests "$no_32bit"
  fi
else
  not_run windows32-tests win32-build
fi
# The setup programs of both builds are 32-bit programs (NSIS).
if stage package "$ORVANE_ROOT/scripts/package.sh"; then
  stage setup-contents setup_tests setup_contents_test.sh
  count_script_tests setup-contents setup-test
  if [ "$runs_32bit" -eq 1 ]; then
    stage setup-tests setup_tests setup_test.sh
    count_script_tests setup-tests setup-test
  else
    skip setup-tests "$no_32bit: the setup programs are 32-bit"
  fi
else
  not_run setup-contents package
  not_run setup-tests package
fi

echo
echo "=== summary"
status=0
for i in "${!stages[@]}"; do
  printf '%-16s %s\n' "${stages[$i]}" "${results[$i]}"
  [[ "${results[$i]}" == PASS* || "${results[$i]}" == SKIP* ]] || status=1
done
echo "tests: $passed passed, $failed failed"
exit "$status"
