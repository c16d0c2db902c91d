#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
#
# A window manager's close (Alt+F4) on the About and feedback windows, on a real
# X server under openbox: offscreen Qt has no window manager, so only here does a
# close arrive the way a user sends it. Afterwards the main window must answer
# again: Ctrl+B opens About once more.
#
# Usage: wmclose.sh PROGRAM. Exits 77 (skipped) when Xvfb, openbox or xdotool is missing.
set -u
program=$1
for tool in Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")
openbox >/dev/null 2>&1 &
sleep 1
"$program" >"$work/program.log" 2>&1 &

fail() { echo "FAIL: $*"; cat "$work/program.log"; exit 1; }
# Waits until a window of that exact caption is shown (or, with "gone", is not).
await() {
    for _ in $(seq 100); do
        if xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; then
            [ "${2:-}" != gone ] && return 0
        else
            [ "${2:-}" = gone ] && return 0
        fi
        sleep 0.1
    done
    return 1
}
press() {
    local main
    main=$(xdotool search --onlyvisible --name '^Glyphory - Version 3.6$' | head -n 1)
    xdotool windowactivate --sync "$main" >/dev/null 2>&1
    xdotool key --clearmodifiers "$1"
}

await 'Glyphory - Version 3.6' || fail "the main window never showed"
for round in 'ctrl+b About Glyphory' 'ctrl+i I Like Glyphory'; do
    read -r key caption <<<"$round"
    press "$key"
    await "$caption" || fail "$key did not open \"$caption\""
    window=$(xdotool search --onlyvisible --name "^$caption\$" | head -n 1)
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key --clearmodifiers alt+F4
    await "$caption" gone || fail "Alt+F4 left \"$caption\" open"
done
press ctrl+b
await 'About Glyphory' || fail "after Alt+F4 the main window no longer opens About"
xdotool search --onlyvisible --name '^Glyphory - Version 3.6$' >/dev/null ||
    fail "the program ended"
echo "PASS: Alt+F4 on About and the feedback window leaves the main window working"
