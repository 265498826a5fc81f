#!/bin/sh
# Runs a command on a private X server and returns its exit status:
#   xvfb.sh WIDTHxHEIGHT [--wm] COMMAND [ARG...]
# The server picks a free display number itself, so several of these can run
# at once. With --wm, openbox manages the windows. HOME and the runtime folder
# point into a scratch folder; no launch id is passed on. Everything started
# here is stopped on the way out.
set -u

size=$1
shift
wm=no
if [ "${1:-}" = "--wm" ]; then
    wm=yes
    shift
fi

scratch=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
    3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
tries=0
until [ -s "$scratch/display" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 200 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$scratch/xvfb.log" >&2
        exit 1
    fi
    sleep 0.05
done
DISPLAY=:$(head -n 1 "$scratch/display")
export DISPLAY

mkdir -p "$scratch/home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
HOME=$scratch/home
XDG_RUNTIME_DIR=$scratch/runtime
export HOME XDG_RUNTIME_DIR
unset DESKTOP_STARTUP_ID XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME WAYLAND_DISPLAY
QT_QPA_PLATFORM=xcb
export QT_QPA_PLATFORM

if [ $wm = yes ]; then
    openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
    wm_pid=$!
    tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
        tries=$((tries + 1))
        if [ $tries -gt 200 ]; then
            echo "openbox did not start:" >&2
            cat "$scratch/openbox.log" >&2
            exit 1
        fi
        sleep 0.05
    done
fi

"$@"
