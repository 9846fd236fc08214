#!/usr/bin/env bash
# Every budget of the game measured in one run, one table of figure, budget and
# ratio; the exit status is 1 when a figure misses its budget. ./build.sh perf
# builds the Release tree and calls this script:
#
#   tools/measure/perf.sh [BUILD_DIR]
#
# BUILD_DIR (default ./build-perf) holds vestran, vestran-tool, vestran_bench,
# vestran_bare_window and the generated data. What it measures, in the real game
# under Xvfb with openbox, sound through SDL's dummy driver, at scale 1:
#   start      launch to the start window mapped and first painted, against the
#              bare Qt window of tools/measure/bare_window.cpp, the two launched in
#              turn START_RUNS times (default 7); medians compared; the game's own
#              moments give where its time went
#   idle       the CPU of all the game's threads (/proc/PID/task/*/schedstat) over
#              IDLE_SECONDS (default 60) on the map of a new game, music off, no
#              input
#   memory     the game's peak RSS (VmHWM) at the end of that idle time
#   idle floor then the same of the bare window repainting IDLE_CELLS (default 8,
#              the cells that change on every tick at that new game's start: seven
#              of water and the hero) every 200 ms: what the toolkit alone costs
#              for the repaint the map must do, shown beside the idle figure
#   battle     a bandit battle without animation, round 1 to its result window
#              (battle_timing.sh, median of 5)
# and from the benchmarks (CPU time, median of 5 repetitions): the map frame
# (FormPaint), the pathfinder's worst case and the fight estimate's worst case.
# PARTS (default "start idle battle bench") picks what is measured; the table
# then has only their rows (idle gives the memory too). The display is
# MEASURE_DISPLAY (default :98); an X server and window manager are started
# there unless one already answers. Needs Xvfb, openbox and xdotool.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build-perf}" && pwd)
display=${MEASURE_DISPLAY:-:98}
idle=${IDLE_SECONDS:-60}
runs=${START_RUNS:-7}
parts=" ${PARTS:-start idle battle bench} "
wanted() { [[ $parts == *" $1 "* ]]; }
export MEASURE_DISPLAY=$display

for tool in Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "perf: $tool is missing" >&2; exit 2; }
done

# shellcheck source=tools/measure/display.sh
source "$here/display.sh"

mkdir -p "$work/data" "$work/config/vestran"
for d in Resourse Wav Music ReadMe.htm; do ln -s "$build/$d" "$work/data/$d"; done
printf '[General]\nscale=1\nautosave=false\n' >"$work/config/vestran/vestran.conf"
"$build/vestran-tool" new-game --seed 3 --out "$work/start.psv" >/dev/null

game() {  # args... : the game in the background, its stderr in $work/err.txt
    DISPLAY=$display XDG_CONFIG_HOME=$work/config SDL_AUDIODRIVER=dummy VESTRAN_REPORT=1 \
        "$build/vestran" --scale 1 --data-dir "$work/data" "$@" 2>"$work/err.txt" &
    gamepid=$!
}

waitfor() {  # pattern file seconds
    local n=$(($3 * 50))
    for _ in $(seq "$n"); do grep -q "$1" "$2" 2>/dev/null && return 0; sleep 0.02; done
    echo "perf: gave up waiting for '$1'" >&2
    return 1
}

stop() {  # pid
    kill -TERM "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

now_us() { echo "${EPOCHREALTIME/[.,]/}"; }
median() { sort -g | awk '{v[NR] = $1} END {print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
ms() { awk -v us="$1" 'BEGIN {printf "%.1f", us / 1000}'; }

# ---- start-up, side by side with the bare window ------------------------------
if wanted start; then
: >"$work/bare.txt"
: >"$work/start.txt"
for _ in $(seq "$runs"); do
    t0=$(now_us)
    DISPLAY=$display "$build/vestran_bare_window" 2>"$work/bare.err" &
    bare=$!
    waitfor "first frame" "$work/bare.err" 20
    clock=$(sed -n 's/^bare: first frame (clock \([0-9]*\) us)$/\1/p' "$work/bare.err")
    stop "$bare"
    echo $((clock - t0)) >>"$work/bare.txt"

    t0=$(now_us)
    game
    waitfor "first frame" "$work/err.txt" 20
    waitfor "vestran: ready" "$work/err.txt" 20
    stop "$gamepid"
    # The moments since main began; launch to main is the libraries' loading.
    read -r since clock < <(sed -n 's/^vestran: first frame (\([0-9]*\) ms, clock \([0-9]*\) us)$/\1 \2/p' \
        "$work/err.txt")
    app=$(sed -n 's/^vestran: application (\([0-9]*\) ms)$/\1/p' "$work/err.txt")
    forms=$(sed -n 's/^vestran: start window created (\([0-9]*\) ms)$/\1/p' "$work/err.txt")
    rest=$(sed -n 's/^vestran: windows created (\([0-9]*\) ms)$/\1/p' "$work/err.txt")
    ready=$(sed -n 's/^vestran: ready (\([0-9]*\) ms)$/\1/p' "$work/err.txt")
    # A game that makes all its windows before the first shows them reports only that.
    [ -n "$forms" ] || forms=$(sed -n 's/^vestran: windows created (\([0-9]*\) ms)$/\1/p' "$work/err.txt")
    total=$((clock - t0))
    # After the first frame (none when every window came before it): the other
    # windows, then the pads and the screen's check up to "ready".
    after=0
    [ "${rest:-0}" -gt "$since" ] && after=$((rest - since))
    echo "$total $((total - since * 1000)) $((app * 1000)) $(((forms - app) * 1000)) $(((since - forms) * 1000)) $((after * 1000)) $(((${ready:-0} - since - after) * 1000))" \
        >>"$work/start.txt"
done
bare_us=$(median <"$work/bare.txt")
start_us=$(cut -d' ' -f1 "$work/start.txt" | median)
field() { cut -d' ' -f"$1" "$work/start.txt" | median; }
echo "start-up, $runs runs each (ms): bare window $(tr '\n' ' ' <"$work/bare.txt" | awk '{for (i = 1; i <= NF; ++i) printf "%.0f ", $i / 1000}')"
echo "                                game        $(cut -d' ' -f1 "$work/start.txt" | awk '{printf "%.0f ", $1 / 1000}')"
echo "  the game's start, medians (ms): libraries and launch $(ms "$(field 2)"), to the application object $(ms "$(field 3)"), start window created $(ms "$(field 4)"), to its first frame $(ms "$(field 5)")"
echo "  after the first frame, medians (ms): the other windows $(ms "$(field 6)"), pads and screen to ready $(ms "$(field 7)")"
fi

# ---- idle on the map, then peak memory ----------------------------------------
if wanted idle; then
game --load "$work/start.psv"
waitfor "vestran: ready" "$work/err.txt" 20
for _ in $(seq 100); do
    [ "$(DISPLAY=$display xdotool getactivewindow getwindowname 2>/dev/null)" = "Вестран" ] && break
    sleep 0.1
done
sleep 2
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {print s}'; }
idle_of() {  # pid: the share of a core its threads take over the idle time, in %
    local c0 t0 c1 t1
    c0=$(cpu_ns "$1")
    t0=$(now_us)
    sleep "$idle"
    c1=$(cpu_ns "$1")
    t1=$(now_us)
    awk -v c="$((c1 - c0))" -v t="$((t1 - t0))" 'BEGIN {printf "%.3f", c / 10 / t}'
}
idle_pct=$(idle_of "$gamepid")
rss_mib=$(awk '/^VmHWM:/ {printf "%.1f", $2 / 1024}' /proc/"$gamepid"/status)
stop "$gamepid"
DISPLAY=$display "$build/vestran_bare_window" --ticks "${IDLE_CELLS:-8}" 2>/dev/null &
barepid=$!
sleep 3
floor_pct=$(idle_of "$barepid")
stop "$barepid"
fi

# ---- the bandit battle without animation ----------------------------------------
wanted battle &&
    battle=$(RUNS=5 "$here/battle_timing.sh" "$build" 3 | sed -n 's/.*(median \([0-9]*\) ms)$/\1/p')

# ---- benchmarks ---------------------------------------------------------------
if wanted bench; then
"$build/vestran_bench" --benchmark_filter='BM_FormPaintFrame|BM_Estimate|BM_Path' \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_color=false 2>/dev/null >"$work/bench.txt"
# The slowest median CPU time, in ms, of the benchmarks whose name matches (the
# console's columns: name, time, unit, CPU time, unit, iterations).
bench_ms() {
    awk -v re="$1" '$1 ~ re && $1 ~ /_median$/ {
        t = $4; if ($5 == "ns") t /= 1e6; else if ($5 == "us") t /= 1e3; else if ($5 == "s") t *= 1e3
        if (t > m) m = t
    } END {printf "%.3f", m}' "$work/bench.txt"
}
frame=$(bench_ms BM_FormPaintFrame)
path=$(bench_ms BM_Path)
estimate=$(bench_ms BM_Estimate)
fi

# ---- the table ------------------------------------------------------------------
failed=0
row() {  # figure, measured (number), unit, budget (number), what the ratio compares
    local ratio
    ratio=$(awk -v m="$2" -v b="$4" 'BEGIN {printf "%.2f", m / b}')
    local mark="ok"
    if awk -v r="$ratio" 'BEGIN {exit !(r > 1)}'; then
        mark="OVER"
        failed=1
    fi
    printf '%-34s %12s %-4s %10s %-4s %6s  %s\n' "$1" "$2" "$3" "$4" "$3" "$ratio" "$mark"
}
echo
printf '%-34s %17s %15s %6s\n' "figure" "measured" "budget" "ratio"
if wanted start; then
    start_ratio=$(awk -v s="$start_us" -v b="$bare_us" 'BEGIN {printf "%.2f", s / b}')
    row "start (game/bare: $(ms "$start_us")/$(ms "$bare_us") ms)" "$start_ratio" "x" 1.3
fi
if wanted idle; then
    row "idle on the map, ${idle} s" "$idle_pct" "%" 0.3
    printf '%-34s %12s %-4s %10s %-4s %6s  %s\n' "  floor: bare window, ${IDLE_CELLS:-8} cells" \
        "$floor_pct" "%" "" "" "" "(the toolkit alone)"
    row "peak RSS on the map" "$rss_mib" "MiB" 60
fi
if wanted bench; then
    row "map frame (FormPaint)" "$frame" "ms" 0.25
    row "fight estimate, worst case" "$estimate" "ms" 5
    row "pathfinder, worst case" "$path" "ms" 1
fi
wanted battle && row "bandit battle without animation" "${battle:-999}" "ms" 50
exit "$failed"
