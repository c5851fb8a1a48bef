#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and both sanitizers in build-fuzz, then runs each
# for FUZZ_SECONDS (default 60) from its seed corpus. Prints each target's runs and result; a
# crash or a broken rule fails the run and leaves the input that caused it in build-fuzz/crashes.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
dir=${FUZZ_BUILD_DIR:-build-fuzz}
jobs=${JOBS:-$(nproc)}
clang=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$clang" ]; then
    echo "make fuzz needs clang (clang-14 with libclang-rt-14-dev)" >&2
    exit 1
fi

cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$clang" \
    -DHUEBIT_FUZZ=ON >/dev/null
cmake --build "$dir" -j"$jobs" --target huebit_fuzz_targets >/dev/null

mkdir -p "$dir/crashes"
# Qt's lazily created globals are reachable, not leaked; the rest of the leak check stays on.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

failed=0
printf '%-20s %12s  %s\n' target runs result
while read -r name; do
    [ -n "$name" ] || continue
    work="$dir/corpus/$name"
    log="$dir/fuzz-$name.log"
    mkdir -p "$work"
    # New inputs go to the build folder's corpus; the seeds in the repository stay as they are.
    if "$dir/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$dir/crashes/$name-" \
        "$work" "fuzz/corpus/$name" >"$log" 2>&1; then
        result=ok
    else
        result="FAILED (log: $log; reproducer: $(ls -t "$dir/crashes/$name-"* 2>/dev/null | head -1))"
        failed=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    printf '%-20s %12s  %s\n' "$name" "${runs:-?}" "$result"
done <"$dir/fuzz/targets.txt"
exit $failed
