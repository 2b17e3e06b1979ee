#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# The built game in a real X window, ended again and again at random moments
# in every way a game can end: its close box (also while a message box is
# up), Exit, SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM,
# 2,000 of them at once, SIGKILL during a burst of coins, its window destroyed
# by another program and the X server gone; SIGPIPE must not end it. A second
# copy is started in every round, from another runtime folder, and must leave
# at once without a window. After each round the settings file must hold a
# whole record whose books balance, with every coin put in (at least 0.5 s
# before a SIGKILL), and no statistic lower than before. Then the start-up box
# of a damaged file is ended the same way, and the game is killed while it
# offers extra balls: the play must be on disk at its base win.
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
elsewhere=$(mktemp -d) # the runtime folder of the second copies
xpid="" gpid=""
cleanup() {
    [ -n "$gpid" ] && kill -9 "$gpid" 2>/dev/null
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
    rm -rf "$config" "$runtime" "$elsewhere"
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
        # As from a desktop or a terminal: no signal ignored.
        env --default-signal "$game" > /dev/null 2> "$out/stderr.txt" &
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

# Clicks at field coordinates, below the 27-pixel menu bar of the window (centred on the screen).
origin() { xwininfo -id "$win" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'; }
click() { read -r x y < <(origin); xdotool mousemove $((x + $1)) $((y + $2 + 27)) click 1; }
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
    PIPE)
        kill -PIPE "$gpid"
        sleep 0.3
        kill -0 "$gpid" 2> /dev/null || fail "SIGPIPE ended the game"
        kill -TERM "$gpid"
        ;;
    storm) for _ in $(seq 667); do kill -TERM "$gpid"; kill -HUP "$gpid"; kill -INT "$gpid"; done 2> /dev/null ;;
    *) kill -"$ending" "$gpid" ;;
    esac
    for _ in $(seq 50); do kill -0 "$gpid" 2> /dev/null || break; sleep 0.02; done
    took=$((($(date +%s%N) - t0) / 1000000))
    if kill -0 "$gpid" 2> /dev/null; then fail "still running ${took} ms after the ending"; fi
}

# Every ending once during plays, and those that can meet a message box with one up.
endings=(closebox exit TERM INT HUP QUIT USR1 USR2 ALRM PIPE storm KILL destroyed display)
schedule=("${endings[@]/%/:0}" closebox:1 TERM:1 INT:1 HUP:1 KILL:1 destroyed:1 display:1)
declare -A tried=()
prev_invested=0 prev_wager=0 prev_total=0 prev_games=0
slowest=0
began=$(date +%s)
printf '[player1]\nreelspeed=60\n' > "$config/Vorlen.ini" # fast drops: plays settle, some mid-drop
startx
round=0
while :; do
    round=$((round + 1))
    entry=${schedule[$(((round - 1) % ${#schedule[@]}))]}
    ending=${entry%:*} box=${entry#*:}
    elapsed=$(($(date +%s) - began))
    [ "$round" -gt ${#schedule[@]} ] && [ "$elapsed" -ge "$budget" ] && break
    start
    clicked=()

    # A second copy goes at once, without a window of its own.
    t0=$(date +%s%N)
    XDG_RUNTIME_DIR=$elsewhere timeout 5 "$game" 2> /dev/null || fail "a second copy did not leave by itself"
    [ $(($(date +%s%N) - t0)) -lt 2000000000 ] || fail "a second copy took $((($(date +%s%N) - t0) / 1000000)) ms"
    [ "$(window)" = 1 ] || fail "a second window was opened"

    coins=$((RANDOM % 5 + 2)) old=0
    [ "$ending:$box" = KILL:0 ] && coins=$((coins + 6))
    for _ in $(seq "$coins"); do click 743 41; clicked+=("$(date +%s%N)"); sleep 0.1; done
    if [ "$ending:$box" = KILL:0 ]; then
        # Killed during the burst: every coin 0.5 s old is on disk.
        now=$(date +%s%N)
        for t in "${clicked[@]}"; do [ $((now - t)) -ge 500000000 ] && old=$((old + 1)); done
    elif [ "$box" = 1 ]; then
        key alt+h # the help box
        sleep 0.3
    else
        for _ in $(seq $((RANDOM % 2 + 1))); do
            click 743 488 # AUTO SELECT
            click $((248 + 104 * (RANDOM % 4))) 520 # PLAY 1, 3, 5 or 10
            pause 700
            click 745 378 # EXTRA BALLS, if offered
        done
        pause 500
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
    if [ "$ending:$box" = KILL:0 ]; then
        [ "$invested" -ge $((prev_invested + 5 * old)) ] && [ "$invested" -le $((prev_invested + 5 * coins)) ] ||
            fail "coins lost: $invested, not at least $((prev_invested + 5 * old))"
    else
        [ "$invested" = $((prev_invested + 5 * coins)) ] || fail "coins lost: $invested, not $((prev_invested + 5 * coins))"
    fi
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

# Killed while it offers extra balls (plays of ten flutes, each finished at once, until
# one does): the play is on disk, paid what its base draw won.
round=offer ending=KILL box=0
printf '[player1]\nreelspeed=60\namountinvested=1000\nbank=1000\n' > "$config/Vorlen.ini"
start
pixel() { read -r x y < <(origin); import -window root -crop "1x1+$((x + $1))+$((y + $2 + 27))" txt:- 2> /dev/null | tail -n1 | awk '{print $3}'; }
none=$(pixel 745 378) controls=$(pixel 560 520) plays=0 offered="" since=$(date +%s) # EXTRA BALLS hidden, PLAY 10 shown
click 743 488 # AUTO SELECT: ten spots
while [ -z "$offered" ] && [ "$plays" -lt 40 ] && [ $(($(date +%s) - since)) -lt 40 ]; do
    before=$(value games) plays=$((plays + 1))
    click 560 520 # PLAY 10
    key space     # and its drop at once
    # A settled play is saved, and so is an offer; either way the picture decides.
    for _ in $(seq 120); do [ "$(value games)" != "$before" ] && break; sleep 0.05; done
    for _ in $(seq 30); do
        [ "$(pixel 745 378)" != "$none" ] && offered=1 && break
        [ "$(pixel 560 520)" = "$controls" ] && break
    done
done
if [ -n "$offered" ]; then
    sleep 0.3
    kill -KILL "$gpid"
    wait "$gpid" 2> /dev/null || true
    gpid=""
    [ "$(value games)" = $((${before:-0} + 1)) ] || fail "the play at the offer was not on disk"
    [ "$(value bank)" = $(($(value amountinvested) - $(value wager) + $(value total))) ] || fail "the books do not balance"
    offer="killed at an offer after $plays plays"
else
    offer="no offer in $plays plays"
fi

summary=""
for e in "${endings[@]}"; do summary+=" $e ${tried[$e]}"; done
echo "PASS: $rounds rounds in $(($(date +%s) - began)) s (seed $seed), $prev_games plays; endings:$summary; slowest ending ${slowest} ms; $offer"
