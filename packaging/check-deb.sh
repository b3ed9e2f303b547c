#!/bin/sh
# check-deb.sh BUILD_DIR SCRATCH VERSION APP_ID
# Makes the Debian package of the build with cpack and checks its name, its dependencies (worked
# out from the programs' libraries) and its contents; then unpacks it into a scratch root with
# dpkg -x and runs the unpacked launcher off screen on a scratch home: it must prepare the game
# folder, and the game must start and close cleanly when the session ends (SIGTERM).
# HALMORA_BINDIR, HALMORA_DATADIR and HALMORA_LIBEXECDIR give the install folders below /usr.
set -eu
build=$1
scratch=$2
version=$3
app=$4
. "$(dirname "$0")/check-common.sh"

rm -rf "$scratch"
mkdir -p "$scratch"
if ! (cd "$build" && cpack -G DEB -B "$scratch/out") > "$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    echo "FAIL: cpack could not make the package" >&2
    exit 1
fi
arch=$(dpkg --print-architecture)
deb="$scratch/out/halmora_${version}_${arch}.deb"
if [ ! -f "$deb" ]; then
    echo "FAIL: no $deb; cpack wrote: $(ls "$scratch/out")" >&2
    exit 1
fi

# The control fields, the dependencies among them.
[ "$(dpkg-deb -f "$deb" Package)" = halmora ] || fail "package name $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || fail "architecture is not $arch"
depends=$(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | sed 's/^ *//; s/ .*//')
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 \
    fonts-wqy-microhei qt6-translations-l10n; do
    echo "$depends" | grep -qx "$package" || fail "the package does not depend on $package"
done

# The contents, unpacked as dpkg would install them.
root="$scratch/root"
dpkg -x "$deb" "$root"
usr="$root/usr"
need_program "$usr/$bindir/halmora"
need_program "$usr/$bindir/halmora-cli"
need_program "$usr/$libexecdir/halmora/halmora"
need_file "$usr/$datadir/applications/$app.desktop"
need_file "$usr/$datadir/metainfo/$app.metainfo.xml"
for size in 48 64 128 256; do
    need_file "$usr/$datadir/icons/hicolor/${size}x${size}/apps/$app.png"
done
for file in "Graphics/400 Classic Board.bmp" "Graphics/600 Red Marble@2x.bmp" \
    "Resources/icon-124.png" "Sounds/Startup.wav" "Data/hlmhelp.html" "Data/hlmhelp-en.html"; do
    need_file "$usr/$datadir/halmora/$file"
done
"$usr/$bindir/halmora-cli" > "$scratch/cli.txt" 2>&1 || true
grep -q "usage: halmora-cli" "$scratch/cli.txt" || fail "the unpacked halmora-cli does not run"

# The unpacked launcher prepares the player's folder and replaces itself with the game. The game
# is up once it runs the installed program and catches the session's end (SIGHUP, bit 0, and
# SIGTERM, bit 14, of SigCgt); a logout then closes it as its close command does.
home="$scratch/home"
mkdir -p "$home"
program=$(cd "$usr/$libexecdir/halmora" && pwd)/halmora
HOME="$home" XDG_DATA_HOME="$home/data" QT_QPA_PLATFORM=offscreen "$usr/$bindir/halmora" \
    > "$scratch/game.log" 2>&1 &
pid=$!
up=0
tries=0
while [ "$tries" -lt 1200 ] && kill -0 "$pid" 2> /dev/null; do
    mask=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$pid/status" 2> /dev/null || true)
    if [ "$(readlink "/proc/$pid/exe" 2> /dev/null || true)" = "$program" ] && [ -n "$mask" ] &&
        [ $((0x${mask#????????} & 0x4001)) -eq $((0x4001)) ]; then
        up=1
        break
    fi
    sleep 0.05
    tries=$((tries + 1))
done
status=0
if [ "$up" = 1 ]; then
    kill -TERM "$pid"
    tries=0
    while [ "$tries" -lt 1200 ] && kill -0 "$pid" 2> /dev/null; do
        sleep 0.05
        tries=$((tries + 1))
    done
    if kill -0 "$pid" 2> /dev/null; then
        kill -KILL "$pid"
        fail "the game did not end after SIGTERM"
    fi
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "the game ended with status $status"
else
    kill -KILL "$pid" 2> /dev/null || true
    wait "$pid" || true
    fail "the unpacked game did not start"
fi
game="$home/data/halmora"
need_file "$game/Graphics/Popup Logo.bmp"
need_file "$game/Data/hlmhelp.html"
need_file "$game/Data/Settings.dat"  # saved as at every close

if [ "$failures" -ne 0 ]; then
    echo "--- game output:" >&2
    cat "$scratch/game.log" >&2
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package checks passed: $(basename "$deb")"
