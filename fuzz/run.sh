#!/usr/bin/env bash
# Runs each fuzz target for a set time: run.sh BUILD_DIR SECONDS TARGET...
# The corpus grows in BUILD_DIR/corpus/<target> (the seeds in fuzz/corpus are
# read, never written); inputs that fail are kept in BUILD_DIR/crashes/.
set -uo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2
status=0
mkdir -p "$build/crashes"
for t in "$@"; do
    mkdir -p "$build/corpus/$t"
    log="$build/fuzz-$t.log"
    echo "== fuzz_$t for ${seconds}s"
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -dict="fuzz/dict/$t.dict" -artifact_prefix="$build/crashes/$t-" -print_final_stats=1 \
        "$build/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1
    rc=$?
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$log" | tr '\n' ' '
    echo
    if [ $rc -ne 0 ]; then
        echo "fuzz_$t FAILED (exit $rc); its log: $log"
        tail -40 "$log"
        status=1
    fi
done
exit $status
