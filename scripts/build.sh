#!/usr/bin/env bash
# Configures and builds into build/ (Release), or into the folder and type given:
#   scripts/build.sh [BUILD_DIR] [BUILD_TYPE] [extra cmake options...] [--target TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
type="${2:-Release}"
shift $(( $# > 2 ? 2 : $# ))
# Options up to --target go to cmake; --target and what follows choose what to build.
options=()
while [ $# -gt 0 ] && [ "$1" != "--target" ]; do
    options+=("$1")
    shift
done
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${options[@]}" > /dev/null
cmake --build "$dir" "$@"
