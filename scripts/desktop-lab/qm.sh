#!/usr/bin/env bash
# Runs Quillmark inside a lab desktop, as scripts/run.sh does: working folder
# run/DESK/qm holding a copy of the shipped Data/, HOME and
# XDG dirs from the session's scratch home.
#   qm.sh DESK [quillmark args...]     e.g. qm.sh xfce --verbose, qm.sh kde --hide
# A first start goes to the background (log in run/DESK/qm.log); a start with
# args while one runs hands them over and returns.
# LAB_QUILLMARK=/path/to/binary and LAB_REPO=/path/to/checkout pick another build.
DESK=$1; shift
LAB="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
REPO=${LAB_REPO:-$(cd "$LAB/../.." && pwd)}
BIN=${LAB_QUILLMARK:-$REPO/build/quillmark}
[ -x "$BIN" ] || BIN=$(find "$REPO/build" -name quillmark -type f -perm -u+x | head -1)
W=$LAB/run/$DESK/qm
mkdir -p "$W/Data"
cp -rn "$REPO/Data/." "$W/Data/"
inner="cd '$W' && export QTWEBENGINE_DISABLE_SANDBOX=1 LC_ALL=C.UTF-8 && exec nice -n 10 '$BIN' $*"
if pgrep -x quillmark -u 0 >/dev/null && "$LAB/$DESK.sh" exec sh -c 'pgrep -f "^'"$BIN"'" >/dev/null' && [ -s "$LAB/run/$DESK/qm.pid" ] && kill -0 "$(cat "$LAB/run/$DESK/qm.pid")" 2>/dev/null; then
    "$LAB/$DESK.sh" exec sh -c "$inner"
else
    "$LAB/$DESK.sh" exec sh -c "$inner" >"$LAB/run/$DESK/qm.log" 2>&1 &
    echo $! >"$LAB/run/$DESK/qm.pid"
    echo $! >>"$LAB/run/$DESK/pids"
    echo "lab: quillmark started in $DESK (pid $!, log run/$DESK/qm.log)"
fi
