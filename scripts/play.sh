#!/usr/bin/env bash
# Installs what is missing, builds, prepares the per-user game folder and starts Halmora there.
#   scripts/play.sh [--folder DIR] [ARGS...]
# The game folder (default ~/.local/share/halmora) holds the pictures, sounds and wallpapers,
# copied from the build where missing, and the player's settings and statistics, which
# therefore survive rebuilds.
set -euo pipefail
cd "$(dirname "$0")/.."
folder="${XDG_DATA_HOME:-$HOME/.local/share}/halmora"
if [ "${1:-}" = "--folder" ]; then
    [ $# -ge 2 ] || { echo "play.sh: --folder needs a folder" >&2; exit 2; }
    folder="$2"
    shift 2
fi
scripts/install-deps.sh
scripts/build.sh build Release
# The installed launcher's preparation: copy what the game needs without replacing anything the
# player already has, then run the game in that folder.
exec packaging/halmora-launcher.sh --program "$(pwd)/build/src/halmora" \
    --game-files "$(pwd)/build/gamefiles" --folder "$folder" -- "$@"
