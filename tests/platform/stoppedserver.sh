#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# The game in a real X window while its sound server stops answering
# (SIGSTOP, as a stuck or swapped-out server behaves). Stopped while the
# game plays, the clicks still answer; started under a stopped server, the
# window comes as quickly as with one that answers. Every ending (Exit, the
# close box, SIGTERM, SIGINT, SIGHUP) saves the coins put in and ends the game
# within a second, and the game prints nothing. Runs in an X server of its
# own (xvfb-run).
# Usage: stoppedserver.sh GAME CLOSEBOX OUTDIR
set -euo pipefail
game=$1
closebox=$2
out=$3
mkdir -p "$out"
source "$(dirname "$0")/soundserver.sh"
export XDG_CONFIG_HOME=$runtime/config
mkdir -p "$XDG_CONFIG_HOME"
unset QT_QPA_PLATFORM
rm -f "$out/game-stderr.txt"

since() { echo $((($(date +%s%N) - $1) / 1000000)); }

# Starts the game with 100 coins and waits for its window ($win, after $took ms).
start_game() {
    printf '[player1]\nbank=100\ncurrentplayer=SOUND\n' > "$XDG_CONFIG_HOME/Vorlen.ini"
    local t0
    t0=$(date +%s%N)
    "$game" 2>> "$out/game-stderr.txt" &
    game_pid=$!
    pids+=("$game_pid")
    win=""
    for _ in $(seq 1000); do
        win=$(xwininfo -root -tree 2> /dev/null | grep '"Current Player       SOUND"' | awk '{print $1}' || true)
        [ -n "$win" ] && break
        sleep 0.02
    done
    took=$(since "$t0")
    [ -n "$win" ] || fail "no window"
}

# Puts in 5 coins a click, below the 27-pixel menu bar of the window (centred on the screen).
coins() {
    local x y
    read -r x y < <(xwininfo -id "$win" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
    for _ in $(seq "$1"); do
        xdotool mousemove $((x + 743)) $((y + 68)) click 1
        sleep 0.2
    done
}

# Ends the game as $1 says; it must be gone within a second with the coins kept.
end_game() {
    local t0 status=0
    t0=$(date +%s%N)
    case $1 in
    exit) xdotool windowfocus "$win" key ctrl+q ;;
    closebox) "$closebox" "$win" ;;
    *) kill -"$1" "$game_pid" ;;
    esac
    for _ in $(seq 50); do
        kill -0 "$game_pid" 2> /dev/null || break
        sleep 0.02
    done
    ended=$(since "$t0")
    kill -0 "$game_pid" 2> /dev/null || [ "$ended" -gt 1000 ] && fail "$1: not gone within a second (${ended} ms)"
    wait "$game_pid" || status=$?
    [ "$status" = 0 ] || fail "$1: exit status $status"
    grep -q "^bank=$2$" "$XDG_CONFIG_HOME/Vorlen.ini" || fail "$1: not $2 coins kept: $(grep bank= "$XDG_CONFIG_HOME/Vorlen.ini")"
    report+=" $1 ${ended} ms,"
}

start_server
# The server stops while the game has a stream open on it.
report="endings:"
slowest=0
for ending in exit closebox INT HUP; do
    kill -CONT "$server_pid"
    start_game
    [ "$took" -gt "$slowest" ] && slowest=$took
    coins 1
    kill -STOP "$server_pid"
    coins 2
    end_game "$ending" 115
done

# Started under a stopped server, the game is as quick to show its window as
# with a server that answers, give or take a busy machine's second.
start_game
[ "$took" -le $((slowest + 1000)) ] || fail "the window came after $took ms under a stopped server (else $slowest ms)"
coins 2
end_game TERM 110
quiet "$out/game-stderr.txt"
echo "window after $slowest ms at most with the server answering, $took ms under a stopped server; ${report%,}"
