#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# The built game on a real accessibility bus of its own, in a private X
# server and session bus: fieldtree.py plays it by keys and by what a screen
# reader is told. Quiet when it passes; everything started ends with it.
# Usage: fieldtree.sh BINARY
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${FIELDTREE_INSIDE:-}" ]; then
    log=$(mktemp)
    trap 'rm -f "$log"' EXIT
    status=0
    FIELDTREE_INSIDE=1 timeout -k 5 60 xvfb-run -a -s "-screen 0 1280x800x24" \
        dbus-run-session -- "$0" "$@" > "$log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; cat "$log"; }
    exit "$status"
fi

config=$(mktemp -d)
runtime=$(mktemp -d)
pid=""
trap '[ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true; rm -rf "$config" "$runtime"' EXIT
printf '[player1]\nbank=125\ncurrentplayer=READER\n' > "$config/Vorlen.ini"
unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$runtime QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$1" 2> "$runtime/stderr.txt" &
pid=$!
window=$(xdotool search --sync --name '^Current Player +READER$' | head -n1)
/usr/bin/python3 "$here/fieldtree.py" "$window"
kill -TERM "$pid"
wait "$pid"
pid=""
if [ -s "$runtime/stderr.txt" ]; then
    echo "FAIL: the game printed warnings:"
    cat "$runtime/stderr.txt"
    exit 1
fi
