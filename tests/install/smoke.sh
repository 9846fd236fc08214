#!/usr/bin/env bash
# The install as a player gets it: `cmake --install` into a scratch DESTDIR, the
# layout checked, the menu entry and the AppStream data validated, and the installed
# programs run from a folder that has nothing to do with the build, with a home of
# their own.
#   smoke.sh BUILD_DIR APP_ID
set -euo pipefail
build=$(cd "$1" && pwd)
id=$2
scratch=$(mktemp -d /tmp/vestran-install-XXXXXX)
game=
cleanup() {
    # SIGKILL: a game may answer SIGTERM by saving first, and this one has nothing to keep.
    if [ -n "$game" ]; then kill -9 "$game" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
checks=0
ok() { checks=$((checks + 1)); }

root=$scratch/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$scratch/install.log" ||
    fail "cmake --install: $(cat "$scratch/install.log")"
usr=$root/usr
data=$usr/share/games/vestran

# Programs and data: the named folders only, every generated file of them.
for b in vestran vestran-tool; do
    [ -x "$usr/games/$b" ] || fail "no /usr/games/$b"
done
[ "$(ls -A "$data" | tr '\n' ' ')" = "Music ReadMe.htm Resourse Wav " ] ||
    fail "the data folder holds: $(ls -A "$data" | tr '\n' ' ')"
made=$(cd "$build" && find Resourse Wav Music -type f ! -name '.*' | wc -l)
installed=$(cd "$data" && find Resourse Wav Music -type f | wc -l)
[ "$installed" -eq "$made" ] || fail "$installed data files installed of $made made"
[ -z "$(find "$root" -name Save)" ] || fail "a Save folder is installed"
ok

# The menu entry runs the installed game by its full path.
desktop=$usr/share/applications/$id.desktop
grep -qx "Exec=/usr/games/vestran" "$desktop" || fail "$desktop: $(grep Exec "$desktop")"
grep -qx "Icon=$id" "$desktop" || fail "$desktop names another icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
else
    echo "note: no desktop-file-validate here; the menu entry is not validated"
fi
ok

metainfo=$usr/share/metainfo/$id.metainfo.xml
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "$metainfo does not launch $id.desktop"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >"$scratch/as.log" 2>&1 ||
        fail "appstreamcli validate: $(cat "$scratch/as.log")"
else
    echo "note: no appstreamcli here; the AppStream data is not validated"
fi
ok

# Icons: a PNG of each size.
for s in 32 48 64 128 256; do
    icon=$usr/share/icons/hicolor/${s}x${s}/apps/$id.png
    [ -f "$icon" ] || fail "no $s-pixel icon"
    read -r -a hdr <<<"$(od -An -tu1 -w24 -N24 "$icon")"
    [ "${hdr[1]}${hdr[2]}${hdr[3]}" = "807871" ] || fail "$icon is not a PNG"
    w=$(((hdr[18] << 8) | hdr[19])) h=$(((hdr[22] << 8) | hdr[23]))
    [ "$w x $h" = "$s x $s" ] || fail "$icon is $w x $h"
done
ok

# Manual pages: gzip without a name or a time stamp, the options of --help inside.
for m in vestran vestran-tool; do
    page=$usr/share/man/man6/$m.6.gz
    [ -f "$page" ] || fail "no $m.6.gz"
    read -r -a hdr <<<"$(od -An -tu1 -N8 "$page")"
    [ $((hdr[3] & 8)) -eq 0 ] && [ "${hdr[4]}${hdr[5]}${hdr[6]}${hdr[7]}" = "0000" ] ||
        fail "$m.6.gz keeps a file name or a time stamp (not gzip -n)"
    gzip -dc "$page" | head -1 | grep -q "^\.TH ${m^^} 6 " || fail "$m.6.gz has no .TH line"
done
gzip -dc "$usr/share/man/man6/vestran.6.gz" | grep -q '^\.B \\-\\-data\\-dir DIR$' ||
    fail "vestran.6 lacks --data-dir"
gzip -dc "$usr/share/man/man6/vestran-tool.6.gz" | grep -q '^\.SS new\\-game$' ||
    fail "vestran-tool.6 lacks new-game"
ok

# The installed programs, run from elsewhere with a home of their own.
mkdir -p "$scratch/elsewhere" "$scratch/home" "$scratch/run"
chmod 700 "$scratch/run"
before=$(find "$root" -printf '%p %s %T@\n' | sort)
cd "$scratch/elsewhere"
player=(PATH="$PATH" HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run"
        QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy VESTRAN_NONINTERACTIVE=1)
run() { env -i "${player[@]}" "$@"; }
run "$usr/games/vestran-tool" new-game --seed 7 --out game.psv >/dev/null ||
    fail "vestran-tool new-game"
run "$usr/games/vestran-tool" info game.psv >/dev/null || fail "vestran-tool info"
ok

# The game comes up and stays: it found its pictures, and by the time the start
# window's buttons have fanned out it has played their chime without a word.
env -i "${player[@]}" "$usr/games/vestran" --seed 1 >/dev/null 2>"$scratch/game.err" &
game=$!
for _ in $(seq 40); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game" 2>/dev/null || fail "the installed game ended: $(cat "$scratch/game.err")"
kill -9 "$game"
wait "$game" 2>/dev/null || true
game=
said=$(grep -v -e '^This plugin does not support' -e '^QStandardPaths:' "$scratch/game.err" || true)
[ -z "$said" ] || fail "the installed game said: $said"
[ ! -e "$scratch/home/.local/share/vestran" ] || fail "a save folder was made before any save"
[ "$(find "$root" -printf '%p %s %T@\n' | sort)" = "$before" ] || fail "something was written under the prefix"
ok

# Without its data beside it the game says where it looked, and stops.
mkdir -p "$scratch/lone/games"
cp "$usr/games/vestran" "$scratch/lone/games/"
status=0
run "$scratch/lone/games/vestran" 2>"$scratch/lone.err" || status=$?
[ "$status" -eq 1 ] || fail "the game without data ended with status $status"
grep -q "^  $scratch/lone/games/$" "$scratch/lone.err" &&
    grep -q "^  $scratch/lone/share/games/vestran/$" "$scratch/lone.err" ||
    fail "the message names other folders: $(cat "$scratch/lone.err")"
ok

echo "install smoke: $checks checks passed"
