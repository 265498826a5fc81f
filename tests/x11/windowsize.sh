#!/bin/sh
# Starts the program on the current X display (with a window manager running)
# and checks how its window is shown:
#   windowsize.sh PROGRAM maximized|normal
# "maximized": the window manager was asked to maximize it and it fills the
# screen's width; "normal": not maximized, at the dialog's own size (at least
# 380 x 364, narrower than the screen).
set -u
program=$1
expect=$2

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null' EXIT

screen_width=$(xwininfo -root | sed -n 's/^ *Width: //p')

# Wait for the window, then for the window manager to settle it.
tries=0
until xwininfo -name Dial-up 2>/dev/null | grep -q "Map State: IsViewable"; do
    tries=$((tries + 1))
    if [ $tries -gt 300 ] || ! kill -0 $pid 2>/dev/null; then
        echo "the dialog was never shown"
        exit 1
    fi
    sleep 0.1
done

width() { xwininfo -name Dial-up | sed -n 's/^ *Width: //p'; }
height() { xwininfo -name Dial-up | sed -n 's/^ *Height: //p'; }
maximized() {
    state=$(xprop -name Dial-up _NET_WM_STATE)
    case $state in
        *_NET_WM_STATE_MAXIMIZED_VERT*) ;;
        *) return 1 ;;
    esac
    case $state in
        *_NET_WM_STATE_MAXIMIZED_HORZ*) return 0 ;;
    esac
    return 1
}

if [ "$expect" = maximized ]; then
    tries=0
    until maximized && [ "$(width)" -ge $((screen_width - 10)) ]; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ]; then
            echo "not maximized on a screen $screen_width pixels wide:" \
                 "$(width) x $(height), $(xprop -name Dial-up _NET_WM_STATE)"
            exit 1
        fi
        sleep 0.1
    done
else
    sleep 1
    w=$(width)
    h=$(height)
    if maximized || [ "$w" -ge "$screen_width" ] || [ "$w" -lt 380 ] || [ "$h" -lt 364 ]; then
        echo "not at its own size on a screen $screen_width pixels wide:" \
             "$w x $h, $(xprop -name Dial-up _NET_WM_STATE)"
        exit 1
    fi
fi
echo "screen $screen_width pixels wide: $expect, $(width) x $(height)"
