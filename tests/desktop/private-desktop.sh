# Sourced by the desktop tests: a private X server with a window manager, and
# every program started in the background ended when the test ends.
# Usage: source private-desktop.sh; start_desktop FOLDER
pids=()
end_all() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
}
# start COMMAND...: runs it in the background until the test ends.
start() { "$@" & pids+=($!); }
# wait_for SECONDS COMMAND...: retries the command until it succeeds.
wait_for() {
    local deadline=$((SECONDS + $1)); shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
wm_running() { [[ "$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null)" == *"window id"* ]]; }
# start_desktop FOLDER: the X server's display number is written into FOLDER.
start_desktop() {
    start Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$1/display" 2>"$1/xvfb.log"
    wait_for 10 test -s "$1/display" || { echo "FAIL: no X server" >&2; return 1; }
    export DISPLAY=":$(cat "$1/display")"
    start openbox --sm-disable >"$1/openbox.log" 2>&1
    wait_for 10 wm_running || { echo "FAIL: no window manager" >&2; return 1; }
}
