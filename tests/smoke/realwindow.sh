#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# The built game in a real X window: it starts with a config directory of
# its own, shows its window, takes coins from a click, is photographed, and
# closes cleanly on SIGTERM the way a desktop asks it to, keeping the coins;
# started again, it is stopped with SIGINT in the middle of a play and keeps
# the settled play.
# Usage: realwindow.sh BINARY OUTDIR
set -euo pipefail
binary=$1
out=$2
mkdir -p "$out"
if [ -z "${SMOKE_IN_XVFB:-}" ]; then
    exec env SMOKE_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

config=$(mktemp -d)
runtime=$(mktemp -d)
trap 'rm -rf "$config" "$runtime"' EXIT
printf '[player1]\nbank=125\ncurrentplayer=SMOKE\n' > "$config/Vorlen.ini"

unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$runtime

# start: runs the game and waits for its window
start() {
    "$binary" 2> "$out/stderr.txt" &
    pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xwininfo -root -tree 2>/dev/null | grep '"Current Player       SMOKE"' | awk '{print $1}' | head -n1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    if [ -z "$window" ]; then
        echo "FAIL: no window titled 'Current Player       SMOKE' appeared"
        kill -9 "$pid" 2>/dev/null || true
        cat "$out/stderr.txt"
        exit 1
    fi
    sleep 0.5
}

# finish SIGNAL: asks the game to close as a desktop or a terminal does
finish() {
    kill -"$1" "$pid"
    local status=0
    wait "$pid" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "FAIL: exit status $status after SIG$1"
        cat "$out/stderr.txt"
        exit 1
    fi
    if [ -s "$out/stderr.txt" ]; then
        echo "FAIL: the game printed warnings:"
        cat "$out/stderr.txt"
        exit 1
    fi
    cp "$config/Vorlen.ini" "$out/saved.ini"
}

saved() { sed -n "s/^$1=//p" "$out/saved.ini"; }

# Clicks at field coordinates, below the 27-pixel menu bar of the window (centred on the screen).
origin() { xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'; }
click() { read -r x y < <(origin); xdotool mousemove $((x + $1)) $((y + $2 + 27)) click 1; sleep 0.3; }

start
xwininfo -id "$window" | grep -E 'Width|Height'
click 743 41 # COINS
import -window root "$out/screenshot.png"
echo "screenshot: $out/screenshot.png"
finish TERM
if [ "$(saved bank)" != 130 ] || [ "$(saved amountinvested)" != 5 ]; then
    echo "FAIL: the coins inserted before closing were not kept:"
    cat "$out/saved.ini"
    exit 1
fi

# Ctrl-C in the middle of a play: the play is settled and kept.
start
click 743 41  # COINS
click 743 488 # AUTO SELECT
click 560 520 # PLAY 10
finish INT
if [ "$(saved games)" != 1 ] || [ "$(saved wager)" != 10 ] ||
    [ "$(saved bank)" != $((130 + 5 - 10 + $(saved total))) ]; then
    echo "FAIL: the play interrupted by SIGINT was not settled and kept:"
    cat "$out/saved.ini"
    exit 1
fi
# By keys alone, on a record without a speed: the arrows and Space mark ten spots, 1 bets one
# coin, Ctrl+0 plays ten flutes and Space finishes their drop, which is settled and kept.
printf '[player1]\nbank=125\ncurrentplayer=SMOKE\n' > "$config/Vorlen.ini"
start
xdotool windowfocus --sync "$window" key --delay 30 space Right space Right space Right space Right space \
    Right space Right space Right space Right space Right space 1 ctrl+0
sleep 0.5
xdotool key space
sleep 0.5
# Kept at once: the drop would run for seconds yet, and an ending would only settle it.
cp "$config/Vorlen.ini" "$out/saved.ini"
if [ "$(saved games)" != 1 ] || [ "$(saved wager)" != 10 ] || [ "$(saved reelspeed)" != 10 ]; then
    echo "FAIL: the play by keys was not made, finished and kept at the middle speed:"
    cat "$out/saved.ini"
    exit 1
fi
finish TERM
echo "PASS: started, drew its window and closed cleanly on SIGTERM and, mid-play, on SIGINT; played by keys"
