#!/bin/sh
# check-install.sh BUILD_DIR SCRATCH PREFIX APP_ID VERSION
# Installs the build into SCRATCH (as DESTDIR), validates the menu entry and the AppStream data,
# checks the installed tree and runs the installed launcher on a scratch home folder.
# HALMORA_BINDIR, HALMORA_DATADIR and HALMORA_LIBEXECDIR give the install folders below PREFIX.
set -eu
build=$1
scratch=$2
prefix=$3
app=$4
version=$5
. "$(dirname "$0")/check-common.sh"

rm -rf "$scratch"
mkdir -p "$scratch"
DESTDIR="$scratch/root" cmake --install "$build" > "$scratch/install.log"
root="$scratch/root$prefix"
bin="$root/$bindir"
data="$root/$datadir"

# The programs.
need_program "$root/$libexecdir/halmora/halmora"
need_program "$bin/halmora-cli"
need_program "$bin/halmora"
"$bin/halmora-cli" > "$scratch/cli.txt" 2>&1 || true
grep -q "usage: halmora-cli" "$scratch/cli.txt" || fail "installed halmora-cli does not run"

# The game files, the help page among them.
for file in "Graphics/400 Classic Board.bmp" "Graphics/Popup Logo.bmp" \
    "Resources/icon-124.png" "Data/hlmhelp.html" "Data/hlmhelp-en.html"; do
    need_file "$data/halmora/$file"
done
[ -d "$data/halmora/Sounds" ] || fail "missing $data/halmora/Sounds"
[ -d "$data/halmora/Wallpapers" ] || fail "missing $data/halmora/Wallpapers"

# Icons: real PNG files of the theme sizes.
for size in 48 64 128 256; do
    icon="$data/icons/hicolor/${size}x${size}/apps/$app.png"
    need_file "$icon"
    if [ -f "$icon" ]; then
        [ "$(od -An -tx1 -N8 "$icon" | tr -d ' \n')" = "89504e470d0a1a0a" ] ||
            fail "$icon is not a PNG file"
        # Width and height, big-endian at bytes 16..23 of the header.
        [ "$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //;s/ $//')" = \
            "0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))" ] ||
            fail "$icon is not ${size}x${size}"
    fi
done

# Menu entry and AppStream data.
desktop="$data/applications/$app.desktop"
metainfo="$data/metainfo/$app.metainfo.xml"
need_file "$desktop"
need_file "$metainfo"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
grep -q "^Icon=$app\$" "$desktop" || fail "the menu entry does not name the icon $app"
grep -q "^Exec=halmora\$" "$desktop" || fail "the menu entry does not start the launcher"
grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the metainfo has no release entry for version $version"

# The installed launcher: prepares the per-user folder, keeps the player's files.
home="$scratch/home"
mkdir -p "$home"
game="$home/data/halmora"
HOME="$home" XDG_DATA_HOME="$home/data" "$bin/halmora" --prepare-only > "$scratch/prepared.txt" ||
    fail "the launcher could not prepare the game folder"
game=$(cd "$game" && pwd)
[ "$(cat "$scratch/prepared.txt")" = "$game" ] || fail "prepared $(cat "$scratch/prepared.txt")"
need_file "$game/Data/hlmhelp.html"
need_file "$game/Graphics/400 Classic Board.bmp"
echo mine > "$game/Data/hlmhelp.html"
echo mine > "$game/Data/Settings.dat"
rm -f "$game/Graphics/400 Classic Board.bmp"
HOME="$home" XDG_DATA_HOME="$home/data" "$bin/halmora" --prepare-only > /dev/null ||
    fail "the launcher could not prepare the game folder again"
[ "$(cat "$game/Data/hlmhelp.html")" = mine ] || fail "the launcher replaced a file of the player"
[ "$(cat "$game/Data/Settings.dat")" = mine ] || fail "the launcher replaced the settings"
need_file "$game/Graphics/400 Classic Board.bmp"

# Where the installed launcher looks for the program.
program_rel=$(sed -n 's/^program_rel="\(.*\)"$/\1/p' "$bin/halmora")
need_program "$bin/$program_rel"

# Running: the program starts in the game folder with the arguments it was given, also when the
# launcher is the one of the source tree that the play command uses.
fake="$scratch/fake-game"
printf '#!/bin/sh\npwd\necho "$@"\n' > "$fake"
chmod +x "$fake"
HOME="$home" XDG_DATA_HOME="$home/data" "$bin/halmora" --program "$fake" one "two words" \
    > "$scratch/run.txt" || fail "the installed launcher did not run the program"
[ "$(cat "$scratch/run.txt")" = "$game
one two words" ] || fail "the installed launcher ran: $(cat "$scratch/run.txt")"
other="$scratch/other folder"
sh "$(dirname "$0")/halmora-launcher.sh" --program "$fake" --game-files "$build/gamefiles" \
    --folder "$other" -- --folder x > "$scratch/run2.txt" || fail "the source launcher failed"
[ "$(cat "$scratch/run2.txt")" = "$(cd "$other" && pwd)
--folder x" ] || fail "the source launcher ran: $(cat "$scratch/run2.txt")"
need_file "$other/Data/hlmhelp.html"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installation checks passed"
