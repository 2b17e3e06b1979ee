# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# Sourced by the sound tests: a private sound server with a null sink named
# "rec", and a recording of what it plays. The server is the PulseAudio
# daemon, or with SOUND_SERVER=pipewire PipeWire with its session manager and
# PulseAudio socket, as Debian's desktops run it. Everything started here is
# stopped when the test ends, however it ends. Needs $out and SOUNDCHECK.

runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime/server HOME=$runtime
unset PULSE_SERVER
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$runtime/none"
pids=()
cleanup() {
    # A stopped server takes its end once it goes on.
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null && kill -CONT "$pid" 2> /dev/null || true; done
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
    if [ "${SOUND_SERVER:-pulseaudio}" = pipewire ]; then
        start_pipewire
    else
        $rt pulseaudio -n -vvvv --log-time=1 --daemonize=no --exit-idle-time=-1 --disallow-exit \
            --load="module-null-sink sink_name=rec" --load="module-native-protocol-unix auth-anonymous=1" \
            >> "$out/pulseaudio.txt" 2>&1 &
        server_pids=($!)
    fi
    server_pid=${server_pids[-1]} # the process behind the PulseAudio socket
    pids+=("${server_pids[@]}")
    for _ in $(seq 100); do
        [ "$(pactl get-default-sink 2> /dev/null)" = rec ] && return
        [ "${SOUND_SERVER:-pulseaudio}" = pipewire ] && make_sink
        sleep 0.05
    done
    fail "the sound server did not start"
}

# PipeWire's session manager needs a session bus. The graph runs at the
# game's rate, so the recording holds what was played sample for sample.
start_pipewire() {
    if [ ! -S "$runtime/bus" ]; then
        dbus-daemon --session --nofork --address="unix:path=$runtime/bus" >> "$out/dbus.txt" 2>&1 &
        pids+=($!)
        for _ in $(seq 100); do [ -S "$runtime/bus" ] && break; sleep 0.05; done
    fi
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$runtime/bus
    local conf=${XDG_CONFIG_HOME:-$HOME/.config}/pipewire/pipewire.conf.d
    mkdir -p "$conf"
    echo 'context.properties = { default.clock.rate = 44100 default.clock.allowed-rates = [ 44100 ] }' > "$conf/rate.conf"
    $rt pipewire >> "$out/pipewire.txt" 2>&1 &
    server_pids=($!)
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/pipewire-0" ] && break; sleep 0.05; done
    for part in wireplumber pipewire-pulse; do
        $rt "$part" >> "$out/pipewire.txt" 2>&1 &
        server_pids+=($!)
    done
}

# The null sink, made everyone's once PipeWire's session manager is up.
make_sink() {
    pactl list short sinks 2> /dev/null | grep -q rec ||
        pactl load-module module-null-sink sink_name=rec rate=44100 format=s16le channels=2 \
            channel_map=front-left,front-right > /dev/null 2>&1 || true
    pactl set-default-sink rec > /dev/null 2>&1 || true
}

# The server dies at once; start_server brings up a new one.
kill_server() {
    kill -9 "${server_pids[@]}" 2> /dev/null || true
    wait "${server_pids[@]}" 2> /dev/null || true
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
