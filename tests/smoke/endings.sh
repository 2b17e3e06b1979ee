#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# The built game in a real X window, ended again and again at random moments
# in every way a game can end: its close box (also while a message box is
# up), Exit, SIGTERM, SIGINT, SIGHUP, SIGKILL, its window destroyed by
# another program and the X server gone. A second copy is started in every
# round and must leave at once without a window. After each round the
# settings file must hold a whole record whose books balance, with every
# coin put in at least a second before the end, and no statistic lower
# than before. Last, the start-up box of a damaged file is ended the same way.
# Usage: endings.sh GAME CLOSEBOX OUTDIR [SECONDS]
set -euo pipefail
game=$1
closebox=$2
out=$3
budget=${4:-40}
mkdir -p "$out"
seed=${STORM_SEED:-$((RANDOM * 32768 + RANDOM))}
RANDOM=$seed

config=$(mktemp -d)
runtime=$(mktemp -d)
xpid="" gpid=""
cleanup() {
    [ -n "$gpid" ] && kill -9 "$gpid" 2>/dev/null
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
    rm -rf "$config" "$runtime"
}
trap cleanup EXIT
unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$runtime

fail() {
    echo "FAIL (round $round, ending $ending, box $box, seed $seed): $*"
    [ -f "$config/Vorlen.ini" ] && cat "$config/Vorlen.ini"
    cat "$out/stderr.txt" 2>/dev/null
    exit 1
}

# Starts an X server on a free display, away from the numbers other tests
# take, and waits until it answers. -noreset: the server lives on through the
# rounds, and one that resets as a game leaves turns the next game away.
startx() {
    local n
    for _ in $(seq 20); do
        n=$((200 + RANDOM % 600))
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -noreset -screen 0 1280x800x24 -nolisten tcp > /dev/null 2>&1 &
        xpid=$!
        export DISPLAY=:$n
        for _ in $(seq 30); do xwininfo -root > /dev/null 2>&1 && return; sleep 0.1; done
        kill "$xpid" 2> /dev/null || true
    done
    fail "no X server"
}

window() { xwininfo -root -tree 2> /dev/null | grep -c '"Current Player ' || true; }

start() {
    local attempt
    for attempt in 1 2; do
        "$game" > /dev/null 2> "$out/stderr.txt" &
        gpid=$!
        win=""
        for _ in $(seq 100); do
            win=$(xwininfo -root -tree 2> /dev/null | grep '"Current Player ' | awk '{print $1}' | head -n1 || true)
            [ -n "$win" ] && break
            kill -0 "$gpid" 2> /dev/null || break
            sleep 0.1
        done
        [ -n "$win" ] && break
        # On a busy shared machine the X server now and then turns a client
        # away; that is not the game's doing: a new server, one more try.
        grep -q "could not connect to display" "$out/stderr.txt" && [ "$attempt" = 1 ] || fail "no window appeared"
        wait "$gpid" 2> /dev/null || true
        kill "$xpid" 2> /dev/null || true
        startx
    done
    sleep 0.5
}

# Clicks at field coordinates, below the 27-pixel menu bar of a window at the top left.
click() { xdotool mousemove "$1" $(($2 + 27)) click 1; }
pause() { sleep "$((RANDOM % ($1 + 1) / 1000)).$(printf %03d $((RANDOM % ($1 + 1) % 1000)))"; }
key() { xdotool windowfocus "$win" key "$1" 2> /dev/null || true; }
value() { sed -n "s/^$1=//p" "$config/Vorlen.ini"; }

# Ends the game as $ending says; it must be gone within a second ($took ms).
end_game() {
    local t0
    t0=$(date +%s%N)
    case $ending in
    closebox) "$closebox" "$win" ;;
    exit) key alt+e ;;
    destroyed) xdotool windowclose "$win" ;;
    display) kill "$xpid"; wait "$xpid" 2> /dev/null || true; xpid="" ;;
    *) kill -"$ending" "$gpid" ;;
    esac
    for _ in $(seq 50); do kill -0 "$gpid" 2> /dev/null || break; sleep 0.02; done
    took=$((($(date +%s%N) - t0) / 1000000))
    if kill -0 "$gpid" 2> /dev/null; then fail "still running ${took} ms after the ending"; fi
}

endings=(closebox exit TERM INT HUP KILL destroyed display)
declare -A tried=()
prev_invested=0 prev_wager=0 prev_total=0 prev_games=0
slowest=0
began=$(date +%s)
printf '[player1]\nreelspeed=60\n' > "$config/Vorlen.ini" # fast drops: plays settle, some mid-drop
startx
round=0
while :; do
    round=$((round + 1))
    # Every ending, with and without a message box, before the time is up.
    ending=${endings[$(((round - 1) % ${#endings[@]}))]}
    box=$(((round - 1) / ${#endings[@]} % 2))
    [ "$ending" = exit ] && box=0 # Exit is out of reach behind a box
    elapsed=$(($(date +%s) - began))
    [ "$round" -gt $((2 * ${#endings[@]})) ] && [ "$elapsed" -ge "$budget" ] && break
    start

    # A second copy goes at once, without a window of its own.
    timeout 5 "$game" 2> /dev/null || fail "a second copy did not leave by itself"
    [ "$(window)" = 1 ] || fail "a second window was opened"

    coins=$((RANDOM % 5 + 2))
    for _ in $(seq "$coins"); do click 743 41; sleep 0.1; done
    sleep 1.2 # every coin is older than a second when the game ends
    if [ "$box" = 1 ]; then
        key alt+h # the help box
        sleep 0.3
    else
        for _ in $(seq $((RANDOM % 2 + 1))); do
            click 743 488 # AUTO SELECT
            click $((248 + 104 * (RANDOM % 4))) 520 # PLAY 1, 3, 5 or 10
            pause 1000
            click 745 378 # EXTRA BALLS, if offered
        done
        pause 800
    fi

    end_game
    status=0
    { wait "$gpid"; } 2> /dev/null || status=$?
    gpid=""
    [ "$took" -gt "$slowest" ] && [ "$ending" != KILL ] && slowest=$took
    case $ending in
    KILL) [ "$status" = 137 ] || fail "exit status $status" ;;
    display) startx ;;
    *)
        [ "$status" = 0 ] || fail "exit status $status"
        [ -s "$out/stderr.txt" ] && fail "the game printed warnings"
        ;;
    esac
    tried[$ending]=$((${tried[$ending]:-0} + 1))

    [ -f "$config/Vorlen.ini" ] || fail "no settings file"
    for k in reelspeed amountinvested wager total bank games; do
        [[ "$(value $k)" =~ ^-?[0-9]+$ ]] || fail "no whole record: $k"
    done
    grep -q '^currentplayer=' "$config/Vorlen.ini" || fail "no whole record: currentplayer"
    invested=$(value amountinvested) wager=$(value wager) total=$(value total) games=$(value games)
    [ "$(value bank)" = $((invested - wager + total)) ] || fail "the books do not balance"
    [ "$invested" = $((prev_invested + 5 * coins)) ] || fail "coins lost: $invested, not $((prev_invested + 5 * coins))"
    [ "$wager" -ge "$prev_wager" ] && [ "$total" -ge "$prev_total" ] && [ "$games" -ge "$prev_games" ] ||
        fail "a statistic went down"
    prev_invested=$invested prev_wager=$wager prev_total=$total prev_games=$games
done

# The box that tells of a damaged file at start-up holds no ending up either.
rounds=$((round - 1))
round=start-up box=1
for ending in closebox TERM HUP; do
    printf '[player1]\nbank=5\n[pla' > "$config/Vorlen.ini"
    start
    end_game
    gpid=""
    rm -f "$config"/Vorlen.ini.bad*
done

summary=""
for e in "${endings[@]}"; do summary+=" $e ${tried[$e]}"; done
echo "PASS: $rounds rounds in $(($(date +%s) - began)) s (seed $seed), $prev_games plays; endings:$summary; slowest ending ${slowest} ms"
