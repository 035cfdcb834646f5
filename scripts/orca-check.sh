#!/usr/bin/env bash
# Plays the game with the keyboard while the Orca screen reader listens, on
# a private X server and D-Bus session, and checks what Orca says (from its
# debug log) against the lines a blind player must hear: a new game, the
# cursor's moves, a placement with the computer's reply, an occupied cell's
# box, a Where Am I and its double press (which place nothing), a pass and
# the result box. Each step waits for its lines, so a slower or faster
# Orca only changes how long it takes. Needs Debian's orca, xvfb, xdotool
# and dbus. With a language (de) the game runs in it, and the same lines
# are heard in its words; Orca's own words stay English.
#   bash scripts/orca-check.sh [program [language]]   (default build/dev/kalvado en)
# Prints the lines heard and "N passed, N failed"; fails on the first line
# missing.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/dev/kalvado}
# The game's lines, as patterns, in the language it runs in (through
# LANGUAGE, which needs no locale installed).
case ${2:-en} in
en)
    desktop=() title='Pennalt \(Black and White\)' empty=empty black=black question='New game! You go first\?'
    new='New game: you play black' oop='Oop!!!' occupied='Already occupied!' lost='you lost'
    placed='You played E3 and turned 1\. Computer played D3 and turned 1\. You 3, computer 3'
    passed='Computer played F3 and turned 2\. You 1, computer 6' refused='Oop!!!|Already occupied|You played|Invalid position'
    ;;
de)
    desktop=(LANGUAGE=de) title='Pennalt \(Schwarz und Weiß\)' empty=leer black=schwarz
    question='Neues Spiel! Willst du anfangen\?' new='Neues Spiel: Du spielst Schwarz' oop='Ups!!!' occupied='Schon besetzt!'
    lost='du hast verloren' placed='Du hast auf E3 gesetzt und 1 Stein umgedreht\. Der Computer hat auf D3 gesetzt und 1 Stein umgedreht\. Du 3, Computer 3'
    passed='Der Computer hat auf F3 gesetzt und 2 Steine umgedreht\. Du 1, Computer 6' refused='Ups!!!|Schon besetzt|Du hast|Ungültige Position'
    ;;
*) echo "orca-check: no lines for the language $2 (en, de)"; exit 2 ;;
esac
for tool in orca Xvfb xdotool dbus-daemon; do
    command -v "$tool" >/dev/null || { echo "orca-check needs $tool"; exit 2; }
done
work=$(mktemp -d)
dbus_pid=""
cleanup() {
    kill $(jobs -p) 2>/dev/null || true
    [ -n "$dbus_pid" ] && kill "$dbus_pid" 2>/dev/null
    [ -n "${ORCA_CHECK_LOG:-}" ] && cp "$log" "$ORCA_CHECK_LOG"
    rm -rf "$work"
}
trap cleanup EXIT
started=$(date +%s)

Xvfb -displayfd 3 -screen 0 1800x1200x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -n 1 "$work/display") XDG_RUNTIME_DIR=$work HOME=$work
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r dbus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS
# The accessibility bus runs before any program, as in a desktop session.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
log=$work/orca.log
# A cell is read alone, not with its whole row (Orca's default in tables of
# the desktop), so that each move says one line.
mkdir -p "$work/prefs"
cat >"$work/prefs/user-settings.conf" <<'JSON'
{"general": {"readFullRowInGUITable": false, "activeProfile": ["Default", "default"],
             "startingProfile": ["Default", "default"], "enableSpeech": true,
             "speechServerFactory": "kalvado_silent_speech"},
 "profiles": {"default": {"profile": ["Default", "default"], "readFullRowInGUITable": false,
                          "enableSpeech": true, "speechServerFactory": "kalvado_silent_speech"}},
 "keybindings": {}, "pronunciations": {}}
JSON
# Orca writes its debug log block by block; read as it goes, it must come a
# line at a time.
mkdir -p "$work/py"
cat >"$work/py/sitecustomize.py" <<'PY'
import builtins
import os

_open = builtins.open


def _line_buffered(file, mode="r", *args, **kwargs):
    if file == os.environ.get("ORCA_CHECK_DEBUG_FILE") and "w" in mode and not args and "buffering" not in kwargs:
        kwargs["buffering"] = 1
    return _open(file, mode, *args, **kwargs)


builtins.open = _line_buffered
PY
# Speech stays on, since Orca 48 presents messages (announcements among
# them) only then, but goes to a speech server that says nothing: Orca logs
# each line as it hands it over, and no sound device or speech-dispatcher
# (which would hang without one) is needed.
cat >"$work/py/kalvado_silent_speech.py" <<'PY'
from orca import speechserver


class SpeechServer(speechserver.SpeechServer):
    _server = None

    @staticmethod
    def getFactoryName():
        return "Silent"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.get_speech_server()]

    @staticmethod
    def get_speech_server(info=None):
        if SpeechServer._server is None:
            SpeechServer._server = SpeechServer()
        return SpeechServer._server

    getSpeechServer = get_speech_server  # the name before Orca 46

    @staticmethod
    def shutdownActiveServers():
        pass

    def get_info(self):
        return ["Silent", "silent"]

    getInfo = get_info
PY
# Asked before the screen reader starts: a starting Orca (--replace) ends
# every other Orca process, a version query among them.
orca_version=$(orca --version 2>/dev/null | head -n 1 || true)
orca_major=$(echo "$orca_version" | grep -o -E '[0-9]+' | head -n 1 || true)
[ -n "$orca_major" ] || { echo "orca-check: no version from orca --version"; exit 2; }
PYTHONPATH=$work/py ORCA_CHECK_DEBUG_FILE=$log orca --user-prefs "$work/prefs" --enable speech --disable braille --disable braille-monitor --disable main-window --disable splash-window \
    --debug-file="$log" --replace >/dev/null 2>&1 &

# What Orca said, a line each, without the voice's settings that follow it
# and without a closing full stop (Orca 43 ends most lines with one, 48 not).
heard() {
    grep -a "SPEECH OUTPUT: '" "$log" 2>/dev/null | sed -E "s/^.*SPEECH OUTPUT: '//; s/' ?(\{.*\})? *$//; s/\.$//" || true
}
finish() {
    echo "orca-check: $orca_version, $(( $(date +%s) - started )) s"
    echo "$((1 - $1)) passed, $1 failed"
    exit "$1"
}
seen=0 # lines of what was heard already matched
# expect LINE...: each line (an extended regular expression that must match
# a whole spoken line, its full stop left off) is heard in this order after
# what was matched before, within 15 s; else the check ends there, failed.
# What else Orca says in between (its versions differ there) is passed over.
# heard_at LINE: waits up to 15 s for LINE after what was matched before and
# sets `at` to where it came (counted from there); else the check ends.
heard_at() {
    for _ in $(seq 150); do
        at=$(heard | tail -n +"$((seen + 1))" | grep -n -x -E -m 1 -- "$1" | cut -d: -f1 || true)
        [ -n "$at" ] && return
        sleep 0.1
    done
    echo "FAILED: not heard: $1"
    echo "--- heard since the last match:"
    heard | tail -n +"$((seen + 1))"
    finish 1
}
# matched_to N: prints what was heard up to line N and takes it as matched.
matched_to() {
    heard | tail -n +"$((seen + 1))" | head -n "$(($1 - seen))" | sed 's/^/   /'
    seen=$1
}
expect() {
    local want
    for want in "$@"; do
        heard_at "$want"
        matched_to $((seen + at))
    done
}
# expect_all LINE...: each heard after the last match, in any order
# (Orca 43 reads an announcement before the focus it returns to, 48 after).
expect_all() {
    local want last=$seen
    for want in "$@"; do
        heard_at "$want"
        [ $((seen + at)) -gt "$last" ] && last=$((seen + at))
    done
    matched_to "$last"
}
# refuse FROM PATTERN: nothing heard between line FROM and the last match
# matches it.
refuse() {
    if heard | head -n "$seen" | tail -n +"$(($1 + 1))" | grep -q -E -- "$2"; then
        echo "FAILED: heard what must not be said: $2"
        finish 1
    fi
}
keys() { xdotool key --delay 120 "$@"; }
# Without a window manager the game window is given the focus back by hand
# after each box closes, as a desktop's window manager does.
refocus() { xdotool windowfocus "$window"; }
# Orca speaks the cell under the cursor when the board has the focus again,
# and only after that takes its keys.
on_board() { expect "$1"; }

check() {
    # Orca listens once it has registered for focus events.
    for _ in $(seq 300); do
        grep -q "registering listener for: focus:" "$log" 2>/dev/null && break
        sleep 0.1
    done
    env "${desktop[@]}" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>/dev/null &
    window=""
    for _ in $(seq 200); do
        window=$(xdotool search --name "^$title$" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.05
    done
    [ -n "$window" ] || { echo "FAILED: no game window"; finish 1; }
    xdotool windowfocus --sync "$window"
    expect "$title frame"
    on_board "A1, $empty"

    echo "== new game"
    keys F2
    expect "$question"
    keys Return
    refocus
    expect_all "(notification )?$new" "A1, $empty"

    echo "== the cursor"
    # One key at a time: Orca speaks only the newest of focus changes that
    # come faster than it reads them.
    for step in Right:B1 Right:C1 Right:D1 Right:E1 Down:E2 Down:E3; do
        keys "${step%%:*}"
        expect "${step#*:}, $empty"
    done

    echo "== a placement and the reply"
    keys Return
    expect "(notification )?$placed"

    echo "== an occupied cell"
    keys space
    expect "(alert )?$oop( alert| dialog)?" "$occupied"
    keys Return
    refocus
    on_board "E3, $black"

    echo "== Where Am I, once and twice (the keypad's Enter): nothing is placed"
    whereAmI=$seen
    keys KP_Enter
    expect ".*E3, $black.*"
    xdotool key --delay 60 KP_Enter KP_Enter
    expect ".*E3, $black.*"

    echo "== a pass"
    keys alt+p
    expect "(notification )?$passed"
    refuse "$whereAmI" "$refused"

    echo "== the result"
    keys alt+p
    # Orca 48 leaves out a box's text where it only repeats the title.
    if [ "$orca_major" -ge 48 ]; then
        expect "(alert )?$lost( alert| dialog)?"
    else
        expect "(alert )?$lost( alert| dialog)?" "$lost!"
    fi
    keys Return
}
check
finish 0
