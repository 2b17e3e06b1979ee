#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# The game under a real window manager (openbox in Xvfb), on a 1920x1080
# screen at scale 1 and 2: the whole main window is on the screen; each
# window it opens over the main window (about, options, the payout schedule,
# a message box) belongs to the main window, stands above it and has the
# keyboard focus: centred on it, but the payout schedule beside it, off the
# flutes; Escape closes each, and Enter takes its default. A new record's
# first PLAY 10 with ten spots, by keys, ends within 15 s; a refused mark
# shows its reason on the field; the window's size and place come back at
# the next start.
# Usage: ownedwindows.sh BINARY
set -euo pipefail
binary=$1
if [ -z "${OWNED_IN_XVFB:-}" ]; then
    exec env OWNED_IN_XVFB=1 timeout 110 xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi

config=$(mktemp -d)
runtime=$(mktemp -d)
log=$(mktemp)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$config" "$runtime" "$log" "$log.wm"
}
trap cleanup EXIT
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
export XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$runtime

fail() {
    echo "FAIL: $*" >&2
    xwininfo -root -tree | grep -F "\"" | grep -v "has no name" >&2
    pgrep -a openbox >&2 || { echo "no openbox" >&2; cat "$log.wm" >&2; }
    cat "$log" >&2
    exit 1
}

openbox > "$log.wm" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xprop -root _OB_THEME 2> /dev/null | grep -q = && break; sleep 0.1; done

# find TITLE: the id of the visible window of that title, once it is mapped
find() {
    local id=""
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -n1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "no window titled '$1'"
    echo "$id"
}

# frame ID: left right top bottom of the window's frame on the screen
frame() {
    local info x y w h l r t b
    info=$(xwininfo -id "$1")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<< "$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<< "$info")
    w=$(sed -n 's/.*Width: *//p' <<< "$info")
    h=$(sed -n 's/.*Height: *//p' <<< "$info")
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo $((x - l)) $((x + w + r)) $((y - t)) $((y + h + b))
}

# centre ID: the centre of the window's frame on the screen
centre() {
    local l r t b
    read -r l r t b < <(frame "$1")
    echo $(((l + r) / 2)) $(((t + b) / 2))
}

# check TITLE [beside] [KEYS]: the window of that title is owned by, centred on (or
# beside) and above the main window, and focused; KEYS (Escape) then close it
check() {
    local id owner stacking
    id=$(find "$1")
    sleep 0.5
    owner=$(xprop -id "$id" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
    [ "$((owner))" = "$((main))" ] || fail "'$1' is not owned by the main window ($owner)"
    if [ "${2:-}" = beside ]; then
        read -r ml mr _ _ < <(frame "$main")
        read -r dl dr _ _ < <(frame "$id")
        # Where the screen has room beside the main window, it stands clear of the
        # flutes (they end at 690 of the field's 818 pixels).
        if [ $((1920 - mr)) -ge $((dr - dl)) ] || [ "$ml" -ge $((dr - dl)) ]; then
            [ "$dl" -ge $((ml + (mr - ml) * 690 / 818)) ] || [ "$dr" -le "$ml" ] ||
                fail "'$1' at $dl..$dr covers the flutes of the main window at $ml..$mr"
        fi
    else
        read -r mx my < <(centre "$main")
        read -r dx dy < <(centre "$id")
        [ $((dx > mx ? dx - mx : mx - dx)) -le 3 ] && [ $((dy > my ? dy - my : my - dy)) -le 3 ] ||
            fail "'$1' is centred at $dx,$dy, the main window at $mx,$my"
    fi
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    local above=0 seen=0
    for w in $stacking; do
        [ "$((w))" = "$((main))" ] && seen=1
        [ "$((w))" = "$((id))" ] && [ $seen = 1 ] && above=1
    done
    [ $above = 1 ] || fail "'$1' is not above the main window: $stacking"
    [ "$(xdotool getactivewindow)" = "$((id))" ] || fail "'$1' does not have the focus"
    xdotool key ${3:-Escape}
    for _ in $(seq 20); do xwininfo -id "$id" 2> /dev/null | grep -q IsViewable || return 0; sleep 0.1; done
    fail "${3:-Escape} left '$1' open"
}

# start: the game on a record of that name, and its main window
start() {
    "$binary" > "$log" 2>&1 &
    game=$!
    pids+=($game)
    main=$(find "Current Player       OWNER")
    sleep 0.5
}

saved() { sed -n "s/^$1=//p" "$config/Vorlen.ini"; }

for scale in 1 2; do
    export QT_SCALE_FACTOR=$scale
    printf '[player1]\nbank=50\ncurrentplayer=OWNER\n' > "$config/Vorlen.ini"
    start
    read -r l r t b < <(frame "$main")
    [ "$l" -ge 0 ] && [ "$t" -ge 0 ] && [ "$r" -le 1920 ] && [ "$b" -le 1080 ] ||
        fail "at scale $scale the main window runs off the screen: $l..$r x $t..$b"

    xdotool key --clearmodifiers alt+a
    check "About slot_vorlane"
    xdotool key --clearmodifiers alt+a
    check "About slot_vorlane" "" Return
    xdotool key --clearmodifiers alt+p
    check "Payout  Schedule " beside
    xdotool windowactivate --sync "$main"
    xdotool key --clearmodifiers alt+p
    check "Payout  Schedule " beside Return
    xdotool windowactivate --sync "$main"
    xdotool key F1
    check "slot_vorlane"
    # Options has no access letter: through the menu bar by keys.
    xdotool windowactivate --sync "$main"
    xdotool key alt Right Right Right Return
    check "VorLane Options"
    sleep 0.3
    [ "$(xdotool getactivewindow)" = "$((main))" ] || fail "the main window did not get the focus back"
    # Enter in the name box enters a name: away from it, Enter is O.K.
    xdotool key alt Right Right Right Return
    check "VorLane Options" "" "Tab Return"
    sleep 0.3

    # Ten spots by keys; an eleventh is refused, and the field says why.
    xdotool windowactivate --sync "$main"
    xdotool key --delay 30 space Right space Right space Right space Right space \
        Right space Right space Right space Right space Right space Right
    sleep 0.3
    import -window "$main" "$config/before.png"
    xdotool key space
    sleep 0.3
    import -window "$main" "$config/after.png"
    changed=$(compare -metric AE "$config/before.png" "$config/after.png" null: 2>&1 || true)
    [ "${changed%%.*}" -gt $((300 * scale * scale)) ] || fail "at scale $scale a refused mark changed $changed pixels"

    # The first play of a new record: at the middle speed, over within 15 s.
    xdotool key 1 ctrl+0
    began=$(date +%s%N)
    for _ in $(seq 150); do [ "$(saved games)" = 1 ] && break; sleep 0.1; done
    took=$((($(date +%s%N) - began) / 1000000))
    [ "$(saved games)" = 1 ] && [ "$(saved reelspeed)" = 10 ] ||
        fail "at scale $scale the first play did not end within 15 s at speed 10: $(cat "$config/Vorlen.ini")"
    [ -n "${OWNED_VERBOSE:-}" ] && echo "scale $scale: the first play took $took ms"

    # Moved and resized, the window stands there again at the next start.
    xdotool windowsize --sync "$main" $((700 / scale)) $((500 / scale)) windowmove --sync "$main" $((100 / scale)) $((80 / scale))
    sleep 0.3
    read -r l r t b < <(frame "$main")
    kill -TERM "$game"
    wait "$game" || fail "the game did not end cleanly"
    grep -q '^\[window\]' "$config/Vorlen.ini" || fail "no window place was kept: $(cat "$config/Vorlen.ini")"
    start
    [ "$(frame "$main")" = "$l $r $t $b" ] || fail "at scale $scale the window came back at $(frame "$main"), not $l $r $t $b"
    kill -TERM "$game"
    wait "$game" || fail "the game did not end cleanly"
done
