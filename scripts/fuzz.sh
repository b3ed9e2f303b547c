#!/usr/bin/env bash
# Builds the libFuzzer harnesses (the three file readers, and the game played through a saved
# game) with clang into build-fuzz, writes their seed corpora and runs each for a bounded time,
# one after the other:
#
#   scripts/fuzz.sh [SECONDS]     # default 60 per fuzzer
#
# Fails when any fuzzer reports a crash, a leak, a timeout or a broken invariant; the input that
# did it is left in build-fuzz/findings/ and the fuzzer's output in build-fuzz/logs/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
case "$seconds" in
    '' | *[!0-9]*) echo "usage: scripts/fuzz.sh [SECONDS]" >&2; exit 2 ;;
esac
scripts/install-deps.sh

build=build-fuzz
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
ninja -C "$build"

rm -rf "$build/seeds" "$build/corpus" "$build/findings" "$build/logs"
mkdir -p "$build/corpus" "$build/findings" "$build/logs"
"$build/MakeSeeds" "$build/seeds"

failed=()
for pair in SavedGame:saved Settings:settings Stats:stats Game:saved; do
    name=${pair%%:*}
    seeds=${pair##*:}
    # A fresh copy, so the seeds stay as made and every run starts from them.
    cp -r "$build/seeds/$seeds" "$build/corpus/$name"
    log="$build/logs/$name.log"
    echo "== ${name}Fuzzer for ${seconds} s"
    rc=0
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/${name}Fuzzer" "$build/corpus/$name" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/findings/$name-" \
        >"$log" 2>&1 || rc=$?
    grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$log" | tail -1 || true
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
    if [ "$rc" -ne 0 ] || compgen -G "$build/findings/$name-*" >/dev/null; then
        echo "${name}Fuzzer FAILED (exit $rc); see $log and $build/findings/" >&2
        grep -E 'ERROR|SUMMARY|runtime error' "$log" | head -5 >&2 || true
        failed+=("$name")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzzing found problems in: ${failed[*]}" >&2
    exit 1
fi
echo "Fuzzing: no findings in ${seconds} s per fuzzer."
