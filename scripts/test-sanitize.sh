#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize and
# runs the whole CTest suite there, end-to-end tests included. Any report fails the run, whether
# it comes from a test or from a program a test started: reports are written to
# build-sanitize/sanitizer-reports and printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${SANITIZE_BUILD_DIR:-build-sanitize}
jobs=${JOBS:-$(nproc)}
reports="$PWD/$dir/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:log_path=$reports/asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"

cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHUEBIT_SANITIZE=ON >/dev/null
cmake --build "$dir" -j"$jobs"

# Every test's output goes to one log (UBSan writes to standard error whatever log_path says),
# and the console gets CTest's summary.
log="$dir/ctest-sanitize.log"
status=0
(cd "$dir" && ctest -V -j"$jobs") >"$log" 2>&1 || status=1
# The monkey's short run too: random input on the sanitized program finds what no test aims at.
(cd "$dir" && ctest -V -C soak -L soak) >>"$log" 2>&1 || status=1
grep -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*\*\*\*(Failed|Timeout|Exception)|tests passed|tests failed' \
    "$log" || true

signatures='runtime error:|ERROR: AddressSanitizer|ERROR: LeakSanitizer|SUMMARY: (Address|UndefinedBehavior|Leak)Sanitizer'
if grep -qE "$signatures" "$log"; then
    echo "=== sanitizer reports in the test output (whole log: $log)"
    grep -E -A25 "$signatures" "$log" | head -400
    status=1
fi
for report in "$reports"/*; do
    [ -e "$report" ] || continue
    echo "=== sanitizer report $(basename "$report")"
    cat "$report"
    status=1
done
if [ $status -eq 0 ]; then echo "sanitizer suite: all tests passed, no reports"; fi
exit $status
