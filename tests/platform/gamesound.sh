#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# The whole game in a real X window on a real sound server: COINS, a spot
# marked and unmarked, ERASE, AUTO SELECT and plays, taking any extra balls;
# every sound the game starts must be heard, and the game prints nothing.
# Left alone, the game keeps no stream open on the server, so the server
# rests too; the next sound is heard from its start all the same.
# Usage: gamesound.sh GAME SOUNDCHECK SOUNDLOG_LIBRARY OUTDIR [ROUNDS [PLAYS]]
set -euo pipefail
game=$1
SOUNDCHECK=$2
shim=$3
out=$4
rounds=${5:-2}
plays=${6:-1}
mkdir -p "$out"
if [ -z "${SMOKE_IN_XVFB:-}" ]; then
    exec env SMOKE_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
source "$(dirname "$0")/soundserver.sh"
export XDG_CONFIG_HOME=$runtime/config
mkdir -p "$XDG_CONFIG_HOME"
printf '[player1]\nbank=5000\nreelspeed=60\ncurrentplayer=SOUND\n' > "$XDG_CONFIG_HOME/Vorlen.ini"
unset QT_QPA_PLATFORM

start_server
start_recording "$out/game.raw"
rm -f "$out/game.log"
SOUNDLOG=$out/game.log LD_PRELOAD=$shim ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 \
    "$game" 2> "$out/game-stderr.txt" &
game_pid=$!
pids+=("$game_pid")
for _ in $(seq 100); do
    xwininfo -root -tree 2> /dev/null | grep -q '"Current Player       SOUND"' && break
    sleep 0.1
done
sleep 1

# Clicks at field coordinates, below the 27-pixel menu bar of the window (centred on the screen).
win=$(xwininfo -root -tree | grep '"Current Player       SOUND"' | awk '{print $1}' | head -n1)
read -r X Y < <(xwininfo -id "$win" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
click() { xdotool mousemove $((X + $1)) $((Y + $2 + 27)) click 1; }
for _ in $(seq "$rounds"); do
    click 743 41 # COINS
    sleep 1
done
for _ in $(seq "$rounds"); do
    click 244 48 # number 1: marked, then unmarked
    sleep 1
    click 244 48
    sleep 1
done
click 118 491 # ERASE
sleep 1
click 743 488 # AUTO SELECT
sleep 1
# The colour of a field pixel, from the screen.
pixel() { import -window root -crop 1x1+$((X + $1))+$((Y + $2 + 27)) -depth 8 txt:- | tail -n 1 | awk '{print $3}'; }
background=$(pixel 150 560)
for _ in $(seq "$plays"); do
    click 560 520 # PLAY 10
    sleep 1
    # Until PLAY 10 shows again; extra balls wait for a click on their button.
    for _ in $(seq 90); do
        [ "$(pixel 540 505)" != "$background" ] && break
        click 745 378 # EXTRA BALLS
        sleep 1
    done
done
sleep 2
import -window root "$out/screenshot.png"
for _ in $(seq 60); do
    [ -z "$(pactl list short sink-inputs)" ] && break
    sleep 0.1
done
[ -z "$(pactl list short sink-inputs)" ] || fail "the game keeps a stream open on the server while idle"
click 743 41 # COINS
sleep 1
kill -TERM "$game_pid"
wait "$game_pid" || fail "the game ended with status $?"
stop_recording
quiet "$out/game-stderr.txt"
"$SOUNDCHECK" analyse "$out/game.raw" "$out/game.log" > "$out/analyse.txt" || fail "$(grep -v ^gap "$out/analyse.txt")"
echo "game: $(cut -d' ' -f3 "$out/game.log" | sort -n | uniq -c | awk '{printf "%s RESOURCE_ID_%d, ", $1, $2 + 101}')" \
    "$(tail -n 1 "$out/analyse.txt")"
