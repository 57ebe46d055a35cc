#!/usr/bin/env bash
# Start-up, idle and memory figures of the program beside a bare Qt Widgets
# window with an empty 10 ms timer, all measured in the same run:
#   - start to first window mapped (median of $RUNS, all started in turn),
#     beside the bare window and the bare window showing one word;
#   - idle CPU (% of one core) and wake-ups per second over $IDLE_SECONDS with
#     the cursor away: Notes tab; both pages shown; hidden to the tray;
#   - PSS summed over all the program's processes, and the web engine libraries
#     mapped (none until a page tab shows);
#   - writing the Links page for 10,000 links (Google Benchmark), and finding
#     in it (quillmark_find_bench);
#   - the first page, warm and cold, beside a bare web view (first-page.sh).
# Needs a display with a window manager and a tray host, for example:
#   xvfb-run -a -s "-screen 0 1280x1024x24" scripts/with-desktop.sh bench/startup-and-idle.sh build
# Wake-ups are the times a thread was put on a CPU (schedstat), summed over
# every thread of every process; the machine's other load does not count in.
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
bench="$(cd "$(dirname "$0")" && pwd)"
runs="${RUNS:-5}"
idle="${IDLE_SECONDS:-30}"
work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/Data"
cp -r "$(dirname "$0")/../Data/." "$work/Data/" 2>/dev/null || true
export XDG_CONFIG_HOME="$work/config"
export QTWEBENGINE_DISABLE_SANDBOX="${QTWEBENGINE_DISABLE_SANDBOX:-1}"
read -r screen_w screen_h < <(xdotool getdisplaygeometry)

# The process and all its descendants (the web engine's helpers).
tree() {
    echo "$1"
    local child
    for child in $(pgrep -P "$1" || true); do tree "$child"; done
}

# "<thread> <ns on a CPU> <times put on a CPU>" for every thread of the tree.
sched_snapshot() {
    local pid task
    for pid in $(tree "$1"); do
        for task in /proc/"$pid"/task/*; do
            echo "${task#/proc/} $(cut -d' ' -f1,3 "$task/schedstat" 2>/dev/null)"
        done
    done | sort
}

pss_mb() {
    local pid
    for pid in $(tree "$1"); do cat /proc/"$pid"/smaps_rollup 2>/dev/null || true; done |
        awk '/^Pss:/ {kb += $2} END {printf "%.0f", kb / 1024}'
}

processes() { tree "$1" | wc -l; }

# The web engine's libraries the program itself has mapped.
engine_libraries() { { grep -i webengine /proc/"$1"/maps || true; } | awk '{print $6}' | sort -u | wc -l; }

# "<CPU %> <wake-ups/s>" over $idle seconds, from the threads alive at both
# ends (a thread that ends meanwhile would take its count with it).
idle_figures() {
    local before="$work/sched.before"
    sched_snapshot "$1" >"$before"
    sleep "$idle"
    sched_snapshot "$1" | join "$before" - |
        awk -v s="$idle" 'NF == 5 {ns += $4 - $2; sl += $5 - $3}
            END {printf "%.3f%% CPU, %.1f wake-ups/s", ns / (s * 1e7), sl / s}'
}

cursor_away() { xdotool mousemove $((screen_w - 5)) $((screen_h / 2)); }

# Visible windows with this name, "<id> <width> <x> <y>" each; the program's
# tray icon carries its name too.
visible_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null || true); do
        xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '
            /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
            /Width:/ {w = $2} END {print id, w, x, y}'
    done
}

# The window itself, not the tray icon: wider than any icon.
top_window() { visible_windows "$1" | awk '$2 > 64 {print $1; exit}'; }

wait_visible() {
    until [ -n "$(top_window "$1")" ]; do sleep 0.005; done
}

# Milliseconds from start until a window with this name shows, as the X
# server reports it; a poller here would take the CPU from the program.
time_to_map() { "$bench/map-time.py" "$@"; }

# The median of a list of numbers.
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

# "<median> ms median (<all, in order>)" of a list of milliseconds.
median_of() { echo "$(median "$@") ms median ($(printf '%s\n' "$@" | sort -n | paste -sd' '))"; }

# "<a / b>" to two places.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

# Clicks the program's icon in the tray host.
click_tray_icon() {
    local x y
    # "0x600006 "Quillmark": (...)  22x22+0+0  +1257+1001": small, absolute place last.
    read -r x y < <(xwininfo -root -tree | awk '/"Quillmark"/ {
        split($(NF - 1), size, "[x+]"); split($NF, at, "+");
        if (size[1] > 1 && size[1] <= 64) {print at[2], at[3]; exit}}')
    xdotool mousemove $((x + 4)) $((y + 4)) click 1
}

cd "$work"
quillmark=("$build/quillmark")
bare=("$build/bench/quillmark_bare_window")

# They start in turn, so that the machine's changing load falls on all.
bare_times=()
label_times=()
quillmark_times=()
for i in $(seq "$runs"); do
    bare_times+=("$(time_to_map "Bare window" "${bare[@]}")")
    label_times+=("$(time_to_map "Bare window" "${bare[@]}" --label)")
    quillmark_times+=("$(time_to_map "Quillmark" "${quillmark[@]}")")
done
bare_median=$(median "${bare_times[@]}")
label_median=$(median "${label_times[@]}")
quillmark_median=$(median "${quillmark_times[@]}")
echo "bare window:  first window shown $(median_of "${bare_times[@]}")"
echo "one word:     first window shown $(median_of "${label_times[@]}"), $(ratio "$label_median" "$bare_median")x the bare window's"
echo "Quillmark:    first window shown $(median_of "${quillmark_times[@]}"), $(ratio "$quillmark_median" "$bare_median")x the bare window's, $(ratio "$quillmark_median" "$label_median")x the one word's"

"${bare[@]}" >/dev/null 2>&1 &
pids+=($!)
wait_visible "Bare window"
cursor_away
sleep 3
echo "bare window:  idle $(idle_figures "${pids[-1]}"), PSS $(pss_mb "${pids[-1]}") MB"
kill "${pids[-1]}"

"${quillmark[@]}" >/dev/null 2>&1 &
pid=$!
pids+=("$pid")
wait_visible "Quillmark"
cursor_away
sleep 3
echo "Notes tab:    idle $(idle_figures "$pid"), PSS $(pss_mb "$pid") MB, $(processes "$pid") process(es), $(engine_libraries "$pid") web engine libraries mapped"

window=$(top_window Quillmark)
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key --window "$window" ctrl+Tab
sleep 3
xdotool key --window "$window" ctrl+Tab
sleep 5
cursor_away
sleep 3
echo "both pages:   idle $(idle_figures "$pid"), PSS $(pss_mb "$pid") MB, $(processes "$pid") process(es), $(engine_libraries "$pid") web engine libraries mapped"

click_tray_icon
cursor_away
sleep 3
if [ -n "$(top_window Quillmark)" ]; then
    echo "hidden:       the window did not go to the tray"
else
    echo "hidden:       idle $(idle_figures "$pid"), PSS $(pss_mb "$pid") MB"
fi

"$build/bench/quillmark_bench" --benchmark_filter='WriteLinksPage.*/10000' \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/_median/ {printf "Links page, 10,000 links: %s %s %s (wall), %s %s CPU, median of 5\n", $1, $2, $3, $4, $5}'

# Finding in that page, through the page plug-in as the program loads it.
if [ -x "$build/bench/quillmark_find_bench" ]; then
    "$build/bench/quillmark_find_bench" 5 2>/dev/null
fi

"$bench/first-page.sh" "$build"
