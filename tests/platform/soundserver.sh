# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# Sourced by the sound tests: a private PulseAudio server with a null sink
# named "rec", and a recording of what it plays. Everything started here is
# stopped when the test ends, however it ends. Needs $out and SOUNDCHECK.

runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime/server HOME=$runtime
unset PULSE_SERVER
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$runtime/none"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    wait 2> /dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

# The sound path runs before the rest of a busy machine, as a desktop
# arranges it, when the test may ask for that.
rt=""
chrt -f 10 true 2> /dev/null && rt="chrt -f 10"

fail() {
    echo "FAIL: $*"
    for f in "$out"/*.txt; do
        echo "--- $f"
        tail -n 20 "$f"
    done
    exit 1
}

# quiet FILE: the run before wrote nothing to FILE
quiet() { [ ! -s "$1" ] || fail "printed: $(head -c 300 "$1")"; }

start_server() {
    $rt pulseaudio -n -vvvv --log-time=1 --daemonize=no --exit-idle-time=-1 --disallow-exit \
        --load="module-null-sink sink_name=rec" --load="module-native-protocol-unix auth-anonymous=1" \
        > "$out/pulseaudio.txt" 2>&1 &
    server_pid=$!
    pids+=("$server_pid")
    for _ in $(seq 100); do
        pactl info > /dev/null 2>&1 && return
        sleep 0.05
    done
    fail "the sound server did not start"
}

# start_recording RAW: records the sink into RAW until stop_recording
start_recording() {
    rm -f "$1" "$1.times"
    mkfifo "$runtime/fifo"
    $rt "$SOUNDCHECK" record "$1" < "$runtime/fifo" &
    recorder=$!
    $rt parec -d rec.monitor --raw --format=s16le --rate=44100 --channels=2 --latency-msec=10 > "$runtime/fifo" &
    parec=$!
    pids+=("$recorder" "$parec")
    for _ in $(seq 100); do
        [ -s "$1.times" ] && return
        sleep 0.05
    done
    fail "nothing recorded"
}

stop_recording() {
    kill "$parec"
    wait "$recorder"
    rm -f "$runtime/fifo"
}
