#!/usr/bin/env bash
# Start-up time (start to first window mapped) and idle CPU over 30 s, for the
# program and for a bare Qt Widgets window with an empty 10 ms timer, measured
# in the same run. Needs a display with a window manager, for example:
#   xvfb-run -a scripts/with-desktop.sh bench/startup-and-idle.sh build
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
runs="${RUNS:-5}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Data"
export XDG_CONFIG_HOME="$work/config"

# Milliseconds from start until a window with this name is mapped.
time_to_map() {
    local name="$1"; shift
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    until xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; do sleep 0.005; done
    end=$(date +%s%N)
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo $(( (end - start) / 1000000 ))
}

# CPU ticks (user + system) used in 30 s of idling after start-up.
idle_ticks() {
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep 3
    local before after
    before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep 30
    after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo $(( after - before ))
}

cd "$work"
for program in quillmark bare; do
    if [ "$program" = quillmark ]; then
        command=("$build/quillmark"); name="Quillmark"
    else
        command=("$build/bench/quillmark_bare_window"); name="Bare window"
    fi
    times=()
    for _ in $(seq "$runs"); do times+=("$(time_to_map "$name" "${command[@]}")"); done
    sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
    echo "$program: start to window mapped (ms, $runs runs, sorted): $sorted"
    echo "$program: idle CPU ticks in 30 s (at $(getconf CLK_TCK)/s): $(idle_ticks "${command[@]}")"
done
