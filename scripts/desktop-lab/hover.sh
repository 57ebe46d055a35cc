#!/usr/bin/env bash
# Moves the cursor in steps from (X1,Y1) to (X2,Y2) inside DESK and prints the
# window's opacity after each step and then once a second for WAIT seconds.
# On gnome the pointer moves as a mouse moves it, by relative motion through
# mutter's remote desktop API (rd-pointer.py); LAB_POINTER=abs moves it by
# absolute motion instead (as a tablet or a VM's absolute pointer does), which
# XWayland 22 reports no leave for.
# usage: hover.sh DESK X1 Y1 X2 Y2 [STEPS=10] [WAIT=3]
DESK=$1 X1=$2 Y1=$3 X2=$4 Y2=$5 N=${6:-10} WAIT=${7:-3}
L="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
op() {
    $L/$DESK.sh exec bash -c '
    for w in $(xdotool search --classname "^quillmark$"); do
        i=$(xwininfo -id $w); echo "$i" | grep -q IsViewable || continue
        [ "$(echo "$i" | awk "/Width:/{print \$2}")" -gt 50 ] || continue
        xprop -id $w _NET_WM_WINDOW_OPACITY | awk -F"= " "/=/{printf \"%.3f\", \$2/4294967295; f=1} END{if(!f) printf \"unset(opaque)\"}"
        exit
    done; printf "no-window"'
}
move() {
    if [ "$DESK" = gnome ] && [ "${LAB_POINTER:-rel}" = abs ]; then
        $L/gnome.sh pointer move "$1" "$2"
    elif [ "$DESK" = gnome ]; then
        $L/gnome.sh exec "$L/rd-pointer.py" "$1" "$2" >/dev/null
    else $L/$DESK.sh exec xdotool mousemove "$1" "$2"; fi
}
for ((i = 0; i <= N; i++)); do
    x=$((X1 + (X2 - X1) * i / N)); y=$((Y1 + (Y2 - Y1) * i / N))
    move $x $y; sleep 0.2
    echo "step $i cursor $x,$y opacity $(op)"
done
for ((s = 1; s <= WAIT; s++)); do sleep 1; echo "+${s}s opacity $(op)"; done
