#!/bin/sh
# swaystart.sh PROGRAM: in German, under another file name, on a headless sway (it offers xdg-activation; as root
# both run as nobody: sway refuses root), the window comes up titled "Einwahl", app id "dialup", using the token.
set -u
command -v sway >/dev/null || { echo "sway is missing"; [ -n "${CI:-}" ] && exit 1; exit 77; }
s=$(mktemp -d) && chmod 755 "$s" && mkdir -m 700 "$s/run" && mkdir "$s/home" "$s/bin" || exit 1
cp "$1" "$s/bin/prog" && cp -r "$(dirname "$1")/../share" "$s/" || exit 1
[ "$(id -u)" -eq 0 ] && chown nobody: "$s/run" "$s/home" && as="setpriv --reuid=nobody --regid=nogroup --clear-groups"
run() { exec ${as:-} env -i PATH=/usr/bin:/bin HOME="$s/home" XDG_RUNTIME_DIR="$s/run" "$@"; }
run WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c /dev/null >"$s/sway.log" 2>&1 &
sway=$! app= token=launch-$$-token
trap 'kill $app $sway 2>/dev/null; wait; rm -rf "$s"' EXIT
for i in $(seq 150); do
    if [ -z "$app" ] && display=$(ls "$s/run" | grep -x 'wayland-[0-9]*'); then
        run WAYLAND_DISPLAY="$display" XDG_SESSION_TYPE=wayland XDG_ACTIVATION_TOKEN=$token \
            LANG=de_DE.UTF-8 WAYLAND_DEBUG=1 "$s/bin/prog" >"$s/app.log" 2>&1 &
        app=$!
    fi
    [ -n "$app" ] && run swaymsg -s "$(echo "$s"/run/sway-ipc.*)" -t get_tree | grep -q '"app_id": "dialup"' \
        && grep -q "xdg_activation_v1@[0-9]*\.activate(\"$token\"" "$s/app.log" \
        && grep -q 'set_title("Einwahl")' "$s/app.log" && echo "dialup up in German, used $token" && exit 0
    sleep 0.2
done
echo "no German dialup window that used the token; sway and program said:"
tail -n 20 "$s/sway.log" "$s/app.log"; exit 1
