#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
#
# The built program on a real X server under a real window manager, as a user
# meets it: offscreen Qt has no manager, so only here are the frame, the stacking,
# the manager's close and minimizing what the user gets. Every window must open
# with its whole frame centred on the screen, About and the feedback window in
# front, Enter and the manager's close (Alt+F4) must give the main window back,
# and Ctrl+T must minimize the main window, which comes back working.
#
# Usage: windowmanager.sh MANAGER PROGRAM, MANAGER one of openbox, xfwm4, mutter,
# kwin_x11. Exits 77 (skipped) when Xvfb, xdotool, xprop, dbus-run-session or the
# manager is missing.
# With SCREENSHOT_DIR set, the screen with the main window is saved there.
set -u
manager=$1 program=$2
for tool in Xvfb xdotool xprop xwininfo dbus-run-session "$manager"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")

fail() { echo "FAIL ($manager): $*"; cat "$work/program.log" 2>/dev/null; exit 1; }
# GNOME's and Xfce's managers read their settings over D-Bus.
case $manager in
mutter) dbus-run-session -- mutter --x11 --replace >"$work/manager.log" 2>&1 & ;;
xfwm4) dbus-run-session -- xfwm4 --compositor=off >"$work/manager.log" 2>&1 & ;;
*) "$manager" >"$work/manager.log" 2>&1 & ;;
esac
for _ in $(seq 400); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || { cat "$work/manager.log"; fail "the manager did not start"; }
"$program" >"$work/program.log" 2>&1 &

# The id of the shown window with that exact caption; waits up to 10 s for it.
window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
# Waits until the window is unmapped (hidden or minimized).
gone() {
    for _ in $(seq 100); do
        xwininfo -id "$1" 2>/dev/null | grep -q IsViewable || return 0
        sleep 0.1
    done
    return 1
}
# Fails unless the window's frame is centred on the screen within 3 px, once the
# manager has framed it and ended any animation.
centred() {
    local x y w h l r t b dx dy
    for _ in $(seq 30); do
        IFS=, read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
        read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4}
            /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2}
            END {print x, y, w, h}')
        dx=$(((2 * (x - ${l:-0}) + w + ${l:-0} + ${r:-0}) / 2 - 640))
        dy=$(((2 * (y - ${t:-0}) + h + ${t:-0} + ${b:-0}) / 2 - 512))
        ((dx <= 3 && dx >= -3 && dy <= 3 && dy >= -3)) && return 0
        sleep 0.1
    done
    fail "\"$2\": frame ($l,$r,$t,$b) centred $dx,$dy px off the screen's centre"
}
# Waits until the window is in that ICCCM state (Normal or Iconic): GNOME's
# manager keeps a minimized window mapped.
state() {
    for _ in $(seq 100); do
        xprop -id "$1" WM_STATE | grep -q "window state: $2" && return 0
        sleep 0.1
    done
    return 1
}
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
press() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1
    xdotool key --clearmodifiers "$2"
}
# Whether the manager offers to close that window at all; where it does not,
# Escape is the user's way out.
closable() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q _NET_WM_ACTION_CLOSE; }

splash=$(window 'Glyphory 3.6') || fail "the splash never showed"
centred "$splash" 'Glyphory 3.6'
main=$(window 'Glyphory - Version 3.6') || fail "the main window never showed"
centred "$main" 'Glyphory - Version 3.6'
xwininfo -id "$main" | grep -q 'Width: 872' && xwininfo -id "$main" | grep -q 'Height: 563' ||
    fail "the main window is not 872 x 563"
[ -n "${SCREENSHOT_DIR:-}" ] && sleep 1 && import -window root "$SCREENSHOT_DIR/$manager.png"

for round in 'ctrl+b About Glyphory' 'ctrl+i I Like Glyphory'; do
    read -r key caption <<<"$round"
    for leave in Return alt+F4; do
        press "$main" "$key"
        shown=$(window "$caption") || fail "$key did not open \"$caption\""
        centred "$shown" "$caption"
        for _ in $(seq 20); do active "$shown" && break; sleep 0.1; done
        active "$shown" || fail "\"$caption\" did not come up active"
        [ "$leave" = alt+F4 ] && ! closable "$shown" && leave=Escape
        xdotool key --clearmodifiers "$leave"
        gone "$shown" || fail "$leave left \"$caption\" open"
        for _ in $(seq 20); do active "$main" && break; sleep 0.1; done
        active "$main" || fail "after $leave on \"$caption\" the main window is not active"
    done
done

hints=$(xprop -id "$main" _MOTIF_WM_HINTS)
press "$main" ctrl+t
state "$main" Iconic || fail "Ctrl+T did not minimize the main window"
for _ in $(seq 30); do [ "$(xprop -id "$main" _MOTIF_WM_HINTS)" = "$hints" ] && break; sleep 0.1; done
[ "$(xprop -id "$main" _MOTIF_WM_HINTS)" = "$hints" ] || fail "minimizing changed the window's look"
xdotool windowactivate "$main" >/dev/null 2>&1
state "$main" Normal || fail "the main window did not come back"
centred "$main" 'Glyphory - Version 3.6'
press "$main" ctrl+b
window 'About Glyphory' >/dev/null || fail "the restored main window no longer opens About"
echo "PASS ($manager): frames centred, About and the feedback window, minimize and restore"
