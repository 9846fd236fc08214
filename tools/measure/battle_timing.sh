#!/usr/bin/env bash
# How long a bandit battle takes from its first round to its result window, the
# computer playing both sides (the battle window's A), at each animation speed
# asked for. The real game runs under Xvfb with a window manager; it reports its
# moments on stderr (VESTRAN_REPORT) and the script reads them.
#
#   tools/measure/battle_timing.sh [BUILD_DIR] [SPEED...]
#
# BUILD_DIR defaults to ./build; SPEED is 0 (обычная) .. 3 (без анимации),
# default "3 0". A new game of seed 3 has a band on the hero's upper left; each
# speed plays that battle RUNS times (default 5 without animation, 1 otherwise)
# and prints every time and the median. Needs Xvfb, openbox and xdotool. The
# display is MEASURE_DISPLAY (default :97); an X server and window manager are
# started there unless one already answers.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
shift || true
speeds=("$@")
[ ${#speeds[@]} -eq 0 ] && speeds=(3 0)
display=${MEASURE_DISPLAY:-:97}

# shellcheck source=tools/measure/display.sh
source "$(dirname "$0")/display.sh"

mkdir -p "$work/data"
for d in Resourse Wav Music ReadMe.htm; do ln -s "$build/$d" "$work/data/$d"; done
"$build/vestran-tool" new-game --seed 3 --out "$work/start.psv" >/dev/null

# The time of a reported moment in a game's stderr, in ms since its start.
moment() { sed -n "s/^vestran: $1 (\([0-9]*\) ms)$/\1/p" "$2" | head -1; }

waitfor() {  # pattern file seconds
    local n=$(( $3 * 20 ))
    for _ in $(seq "$n"); do grep -q "$1" "$2" && return 0; sleep 0.05; done
    echo "gave up waiting for '$1'" >&2
    return 1
}

# A window shown by name; asked again while windows come and go (a search that
# meets a window closing at that moment fails).
window() {
    local id=""
    for _ in $(seq 400); do
        id=$(DISPLAY=$display xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
        [ -n "$id" ] && break
        sleep 0.05
    done
    [ -n "$id" ] || { echo "gave up waiting for the window '$1'" >&2; return 1; }
    echo "$id"
}

one_battle() {  # speed -> prints ms from round 1 to the result window
    local speed=$1 err=$work/err.txt
    mkdir -p "$work/config/vestran"
    printf '[General]\nanimation-speed=%s\nautosave=false\n' "$speed" \
        >"$work/config/vestran/vestran.conf"
    rm -rf "$work/data/Save"
    DISPLAY=$display XDG_CONFIG_HOME=$work/config SDL_AUDIODRIVER=dummy VESTRAN_REPORT=1 \
        "$build/vestran" --scale 1 --seed 5 --data-dir "$work/data" --load "$work/start.psv" 2>"$err" &
    local game=$!
    waitfor "vestran: ready" "$err" 20
    local map
    map=$(window '^Вестран$')
    DISPLAY=$display xdotool windowactivate --sync "$map" key Home
    local bandits
    bandits=$(window '^Разбойники$')
    # "Принять бой", the first of the window's three buttons.
    DISPLAY=$display xdotool mousemove --window "$bandits" 80 276 click 1
    local battle
    battle=$(window '^Битва$')
    DISPLAY=$display xdotool windowactivate --sync "$battle" key a
    waitfor "vestran: result window" "$err" 600
    local first last
    first=$(moment "round 1" "$err")
    last=$(moment "result window" "$err")
    kill -TERM "$game"
    wait "$game" || true
    echo $((last - first))
}

names=("обычная" "быстрая" "очень быстрая" "без анимации")
for speed in "${speeds[@]}"; do
    runs=${RUNS:-$([ "$speed" = 3 ] && echo 5 || echo 1)}
    times=()
    for _ in $(seq "$runs"); do times+=("$(one_battle "$speed")"); done
    median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
    echo "${names[$speed]}: ${times[*]} ms (median $median ms)"
done
