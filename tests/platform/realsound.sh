#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# The game's Sound on a real sound server (see soundserver.sh) with a null
# sink whose monitor is recorded. Every cue played must be heard, without
# clicks, also the first after a quiet spell; without a server, and when the
# server dies mid-game, nothing is printed and nothing waits; once a new
# server has come up the sound is heard again within 2 s.
# Usage: realsound.sh SOUNDCHECK OUTDIR
set -euo pipefail
SOUNDCHECK=$1
out=$2
mkdir -p "$out"
source "$(dirname "$0")/soundserver.sh"

# No server at all: silent, quick and harmless.
XDG_RUNTIME_DIR=$runtime/none "$SOUNDCHECK" drive - steady > "$out/noserver.txt" 2> "$out/noserver-stderr.txt" ||
    fail "without a server: $(cat "$out/noserver.txt")"
quiet "$out/noserver-stderr.txt"

start_server
start_recording "$out/rec.raw"
$rt "$SOUNDCHECK" drive "$out/plays.log" > "$out/drive.txt" 2> "$out/drive-stderr.txt" || fail "$(cat "$out/drive.txt")"
quiet "$out/drive-stderr.txt"
stop_recording
"$SOUNDCHECK" analyse "$out/rec.raw" "$out/plays.log" > "$out/analyse.txt" || fail "$(grep -v ^gap "$out/analyse.txt")"

# The server dies in the middle, and a new one comes up a second later.
$rt "$SOUNDCHECK" drive "$out/back.log" long > "$out/gone.txt" 2> "$out/gone-stderr.txt" &
driver=$!
sleep 1
kill_server
sleep 1
start_server
back=$("$SOUNDCHECK" now)
start_recording "$out/back.raw"
wait "$driver" || fail "after the server died: $(cat "$out/gone.txt")"
stop_recording
quiet "$out/gone-stderr.txt"
"$SOUNDCHECK" analyse "$out/back.raw" "$out/back.log" $((back + 2000000000)) > "$out/back.txt" ||
    fail "2 s after a new server came up: $(grep -v ^gap "$out/back.txt")"
underruns=""
[ -f "$out/pulseaudio.txt" ] && underruns="; underruns the server saw: $(grep -c "Implicit underrun" "$out/pulseaudio.txt" || true)"
echo "no server: $(cat "$out/noserver.txt"); server: $(cat "$out/drive.txt"); $(tail -n 1 "$out/analyse.txt")$underruns;" \
    "server gone: $(cat "$out/gone.txt"); 2 s after a new server: $(tail -n 1 "$out/back.txt")"
