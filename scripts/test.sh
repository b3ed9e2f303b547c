#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the Release build, then a Debug build
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

scripts/build.sh build Release
ctest --test-dir build --output-on-failure -j "$jobs"

scripts/build.sh build-asan Debug -DHALMORA_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
