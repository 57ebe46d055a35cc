#!/usr/bin/env bash
# The first page: milliseconds from Ctrl+Tab, pressed $PAGE_WAIT seconds after
# the window showed, until the Links page is drawn (bench/page-time.py), for
# the program and for the floor: a bare Qt window that makes one web view
# showing the same page file on the same key. Warm: the web engine's files in
# the system's file cache; cold: the cache dropped before each start, where
# that is allowed (as root; files other programs have mapped stay cached, and
# the script says how much of the engine's library did). Medians of $RUNS, all
# started in turn. $COMPARE names another build of the program to time beside.
# Needs a display with a window manager, as bench/startup-and-idle.sh does.
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
bench="$(cd "$(dirname "$0")" && pwd)"
runs="${RUNS:-5}"
wait="${PAGE_WAIT:-3}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Data"
cp -r "$bench/../Data/." "$work/Data/"
export XDG_CONFIG_HOME="$work/config"
export QTWEBENGINE_DISABLE_SANDBOX="${QTWEBENGINE_DISABLE_SANDBOX:-1}"
cd "$work"

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
median_of() { echo "$(median "$@") ms median ($(printf '%s\n' "$@" | sort -n | paste -sd' '))"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

drop_caches() { sync && echo 3 2>/dev/null >/proc/sys/vm/drop_caches; }
engine="$(find /usr/lib /lib -name 'libQt6WebEngineCore.so.6' 2>/dev/null | head -1)"
# Percent of the engine's library in the file cache.
engine_cached() {
    fincore -b -n -o RES,SIZE "$(readlink -f "$engine")" | awk '{printf "%.0f", 100 * $1 / $2}'
}

quillmark=("$build/quillmark")
floor=("$build/bench/quillmark_bare_page" "$work/Data/first-page.html")
compare=()
if [ -n "${COMPARE:-}" ]; then compare=("$COMPARE"); fi

# The program writes the page file that the floor then shows.
"$bench/page-time.py" Quillmark 1 "${quillmark[@]}" >/dev/null
cp Data/qmtemp.tmp Data/first-page.html

cold=false
if drop_caches; then cold=true; fi

declare -A times
# One measurement: "<kind> <label> <command...>".
measure() {
    local kind="$1" label="$2" name
    shift 2
    if [ "$kind" = cold ]; then
        drop_caches
        cached+=("$(engine_cached)")
    fi
    name=Quillmark
    [ "$label" = floor ] && name="Bare page"
    times[$kind.$label]+=" $("$bench/page-time.py" "$name" "$wait" "$@")"
}
cached=()
for _ in $(seq "$runs"); do
    for kind in warm $($cold && echo cold); do
        measure "$kind" floor "${floor[@]}"
        measure "$kind" quillmark "${quillmark[@]}"
        if [ ${#compare[@]} -gt 0 ]; then measure "$kind" compare "${compare[@]}"; fi
    done
done

# "<median> ms median (<all>)" of one program and kind, and its median alone.
figures() { local -a all; read -ra all <<<"${times[$1]:-}"; median_of "${all[@]}"; }
middle() { local -a all; read -ra all <<<"${times[$1]}"; median "${all[@]}"; }

report() {
    local kind="$1"
    echo "floor, $kind:      first page $(figures "$kind.floor")"
    echo "Quillmark, $kind:  first page $(figures "$kind.quillmark"), $(ratio "$(middle "$kind.quillmark")" "$(middle "$kind.floor")")x the floor's"
    if [ -n "${times[$kind.compare]:-}" ]; then
        echo "compared, $kind:   first page $(figures "$kind.compare")"
    fi
}
report warm
if $cold; then
    report cold
    echo "cold against warm: Quillmark $(ratio "$(middle cold.quillmark)" "$(middle warm.quillmark)")x, floor $(ratio "$(middle cold.floor)" "$(middle warm.floor)")x; engine library still cached after each drop: $(printf '%s%% ' "${cached[@]}")"
else
    echo "cold: not measured, the file cache cannot be dropped here (needs root and a writable /proc/sys/vm/drop_caches)"
fi
