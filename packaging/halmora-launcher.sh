#!/bin/sh
# Starts Halmora in the player's game folder, preparing it first.
#   halmora [--folder DIR] [ARGS...]
#   halmora-launcher.sh --program FILE --game-files DIR [--folder DIR] [--prepare-only] [ARGS...]
# The game reads and writes everything relative to its working folder, so it runs in a folder of
# the player's own (default ${XDG_DATA_HOME:-~/.local/share}/halmora). The pictures, sounds,
# wallpapers and help page are copied there where missing; files already there, the player's
# settings, statistics and saved games above all, are never replaced.
#
# Installed as bin/halmora, the program and game files default to their installed places; the
# play command passes those of the build with --program and --game-files.
set -eu

here=$(CDPATH='' cd -- "$(dirname -- "$0")" && pwd)
# Filled in on installation, relative to the installed script's folder.
program_rel="@HALMORA_PROGRAM_REL@"
files_rel="@HALMORA_FILES_REL@"
program=""
files=""
case "$program_rel" in @*) ;; *) program="$here/$program_rel" ;; esac
case "$files_rel" in @*) ;; *) files="$here/$files_rel" ;; esac

folder="${XDG_DATA_HOME:-$HOME/.local/share}/halmora"
prepare_only=0
fail() {
    echo "halmora: $*" >&2
    exit 2
}
while [ $# -gt 0 ]; do
    case "$1" in
        --folder)
            [ $# -ge 2 ] || fail "--folder needs a folder"
            folder="$2"
            shift 2
            ;;
        --program)
            [ $# -ge 2 ] || fail "--program needs a file"
            program="$2"
            shift 2
            ;;
        --game-files)
            [ $# -ge 2 ] || fail "--game-files needs a folder"
            files="$2"
            shift 2
            ;;
        --prepare-only)
            prepare_only=1
            shift
            ;;
        --)
            shift
            break
            ;;
        *) break ;;
    esac
done

[ -n "$files" ] || fail "no game files given (--game-files DIR)"
[ -d "$files" ] || fail "the game files are missing: $files"
[ "$prepare_only" = 1 ] || [ -n "$program" ] || fail "no program given (--program FILE)"
[ "$prepare_only" = 1 ] || [ -x "$program" ] || fail "the program is missing: $program"

mkdir -p -- "$folder/Data" || fail "cannot create the game folder $folder"
folder=$(CDPATH='' cd -- "$folder" && pwd)

# Copy file by file rather than with cp -n, whose exit status differs between coreutils versions
# when it skips a file.
(cd -- "$files" && find . -type d) | while IFS= read -r dir; do
    mkdir -p -- "$folder/$dir"
done
(cd -- "$files" && find . -type f) | while IFS= read -r file; do
    if [ ! -e "$folder/$file" ] && [ ! -L "$folder/$file" ]; then
        cp -p -- "$files/$file" "$folder/$file"
    fi
done

if [ "$prepare_only" = 1 ]; then
    echo "$folder"
    exit 0
fi
cd -- "$folder"
exec "$program" "$@"
