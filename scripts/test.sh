#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the Release build, then a Debug build
# with AddressSanitizer and UndefinedBehaviorSanitizer, then the threaded code under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

scripts/build.sh build Release
ctest --test-dir build --output-on-failure -j "$jobs"

scripts/build.sh build-asan Debug -DHALMORA_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The code that runs on several threads, under ThreadSanitizer: computer players thinking,
# forced moves, stopping and destroying a search, undo over computer moves, and a short self-play.
scripts/build.sh build-tsan RelWithDebInfo -DHALMORA_TSAN=ON --target halmora_core_tests halmora-cli
TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/halmora_core_tests \
    --gtest_filter='ComputerPlayer*:MoveSearch.Stop*:MoveSearch.Parallel*:GameCommands*:*Destroy*:*Force*'
TSAN_OPTIONS=halt_on_error=1 build-tsan/tools/halmora-cli selfplay \
    --seats Red=novice,Yellow=novice,Green=novice --games 1 --max-moves 24 --seed 7
# Master and Expert searches on every core, cut short by their budget.
TSAN_OPTIONS=halt_on_error=1 build-tsan/tools/halmora-cli selfplay \
    --seats Red=master,Yellow=novice,Green=expert --games 1 --max-moves 12 --seed 7 --budget-ms 300

# The file readers under libFuzzer (clang, ASan, UBSan): a minute each from seeds made by code.
scripts/fuzz.sh 60
