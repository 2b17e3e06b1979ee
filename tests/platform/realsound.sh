#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# The real Sound class on a real sound server: a private PulseAudio daemon
# with a null sink whose monitor is recorded. Every cue played must be heard,
# without clicks; without a server, and when the server dies mid-game,
# nothing is printed and nothing waits.
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

# The server dies in the middle: the game goes on, silent, and never waits.
"$SOUNDCHECK" drive - steady > "$out/gone.txt" 2> "$out/gone-stderr.txt" &
driver=$!
sleep 1
kill -9 "$server_pid"
wait "$driver" || fail "after the server died: $(cat "$out/gone.txt")"
quiet "$out/gone-stderr.txt"
echo "no server: $(cat "$out/noserver.txt"); server: $(cat "$out/drive.txt"); $(tail -n 1 "$out/analyse.txt");" \
    "underruns the server saw: $(grep -c "Implicit underrun" "$out/pulseaudio.txt" || true); server gone: $(cat "$out/gone.txt")"
