#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
#
# The built program as a native Wayland client under a headless sway: the main
# window floats at its own size, the keyboard drives it, Ctrl+B opens About, a
# close from the compositor gives the main window back, and "Copy Font Name"
# reaches the Wayland clipboard.
#
# Usage: sway.sh PROGRAM. sway refuses to run as root, so as root sway and the
# program run as the unprivileged user nobody. Exits 77 (skipped) when sway,
# swaymsg, wtype, wl-paste or jq is missing.
set -u
program=$1
for tool in sway swaymsg wtype wl-paste jq setpriv; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir -p "$work/home" "$work/run" && chmod 700 "$work/run"
as=()
if [ "$(id -u)" = 0 ]; then
    chown nobody:nogroup "$work/home" "$work/run"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
printf 'xwayland disable\noutput HEADLESS-1 resolution 1280x1024\n' >"$work/config"
unset DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY SWAYSOCK
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config \
    XDG_SESSION_TYPE=wayland WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1

fail() { echo "FAIL (sway): $*"; cat "$work/program.log" 2>/dev/null; exit 1; }
"${as[@]}" sway -c "$work/config" >"$work/sway.log" 2>&1 &
for _ in $(seq 100); do
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n 1)
    [ -n "$SWAYSOCK" ] && [ -S "$XDG_RUNTIME_DIR/wayland-1" ] && break
    sleep 0.1
done
[ -n "$SWAYSOCK" ] || { cat "$work/sway.log"; fail "sway did not start"; }
export SWAYSOCK WAYLAND_DISPLAY=wayland-1
"${as[@]}" "$program" >"$work/program.log" 2>&1 &

# The window of that exact title in sway's tree, as JSON; waits up to 10 s for it.
window() {
    local found
    for _ in $(seq 100); do
        found=$("${as[@]}" swaymsg -t get_tree -r |
            jq -c --arg t "$1" '.. | objects | select(.name? == $t and .pid? != null)')
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}
gone() {
    for _ in $(seq 100); do
        "${as[@]}" swaymsg -t get_tree -r | jq -e --arg t "$1" \
            '[.. | objects | select(.name? == $t and .pid? != null)] | length == 0' >/dev/null &&
            return 0
        sleep 0.1
    done
    return 1
}
# wtype makes a new virtual keyboard each time: the client is given a moment to
# take its keymap before the keys.
keys() { "${as[@]}" wtype -s 1000 "$@"; }

main=$(window 'Glyphory - Version 3.6') || fail "the main window never showed"
[ "$(jq -r .shell <<<"$main")" = xdg_shell ] || fail "the program does not run on Wayland"
[ "$(jq -r .type <<<"$main")" = floating_con ] || fail "the main window does not float"
[ "$(jq -r '"\(.window_rect.width)x\(.window_rect.height)"' <<<"$main")" = 872x563 ] ||
    fail "the main window is $(jq -r '"\(.window_rect.width)x\(.window_rect.height)"' <<<"$main"), not 872x563"

keys -M ctrl b -m ctrl
window 'About Glyphory' >/dev/null || fail "Ctrl+B did not open About"
"${as[@]}" swaymsg '[title="^About Glyphory$"] kill' >/dev/null
gone 'About Glyphory' || fail "the compositor's close left About open"
keys -M ctrl b -m ctrl
window 'About Glyphory' >/dev/null || fail "after the compositor's close Ctrl+B no longer opens About"
keys -k Return
gone 'About Glyphory' || fail "Enter did not close About"

keys -M alt c -m alt
sleep 0.5
copied=$("${as[@]}" timeout 5 wl-paste -n 2>/dev/null)
[ -n "$copied" ] || fail "Copy Font Name put nothing on the Wayland clipboard"
fc-list : family | tr ',' '\n' | grep -qxF "$copied" || fail "the clipboard holds \"$copied\""
echo "PASS (sway): native, floating at 872x563, About, the compositor's close and the clipboard"
