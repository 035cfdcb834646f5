#!/usr/bin/env bash
# Plays a few moves with the keyboard while the Orca screen reader listens,
# on a private X server and D-Bus session, and prints what Orca would have
# said (from its debug log). Needs Debian's orca and dbus-x11 packages. Not
# part of the test command, which checks the same through Qt's
# accessibility API and AT-SPI instead.
#   bash scripts/orca-check.sh [program]     (default build/dev/kalvado)
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/dev/kalvado}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID"; rm -rf "$work"' EXIT
display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 1800x1200x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
export DISPLAY=$display XDG_RUNTIME_DIR=$work HOME=$work
eval "$(dbus-launch --sh-syntax)"
# The accessibility bus runs before any program, as in a desktop session.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
orca --debug-file="$work/orca.log" --replace >/dev/null 2>&1 &
sleep 6
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>/dev/null &
sleep 3
window=$(xdotool search --name "Pennalt" | head -n 1)
# Without a window manager the game window is given the focus back by hand
# after each box closes, as a desktop's window manager does.
press() { xdotool key "$@"; sleep 1.5; }
answer() { xdotool key "$@"; sleep 1; xdotool windowfocus "$window"; sleep 1.5; }
xdotool windowfocus --sync "$window"; sleep 1
press F2                     # "New game! You go first?"
answer Return                # Yes
press Right Right Right Right Down Down
press Return                 # E3
press Return                 # E3 again: occupied
answer Return                # the box's OK
grep -o "SPEECH OUTPUT: .*" "$work/orca.log" | sed "s/{'established'.*//"
