# Sourced by the measuring scripts: a scratch folder in $work, removed at exit,
# and an X server with a window manager on $display (Xvfb and openbox started
# there, and stopped at exit, unless one already answers).
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

if ! DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1; then
    Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    DISPLAY=$display openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
fi
