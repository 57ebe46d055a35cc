#!/usr/bin/env bash
# Runs the lab's tray and window checks on one desktop with a fresh session and
# a fresh Quillmark, and leaves screenshots and a summary in shots/RUN/DESK*.
#   check.sh xfce | kde | gnome | gnome-noext
# Env: LAB_REPO / LAB_QUILLMARK (which build, see qm.sh), RUN (folder name under
# shots/, default the date), TRAY_X/TRAY_Y (tray icon, defaults fit the lab's
# 1280x800 layouts), KEEP=1 leaves the session running afterwards.
set -u
L="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
V=$1
DESK=${V%-noext}
RUN=${RUN:-$(date -u +%Y%m%d-%H%M)}
OUT=$L/shots/$RUN; mkdir -p "$OUT"
SUM=$OUT/$V-summary.txt; : >"$SUM"
say() { echo "$*" | tee -a "$SUM"; }
x() { $L/$DESK.sh exec "$@"; }
shot() { $L/$DESK.sh shot "$OUT/$V-$1.png" >/dev/null; say "  screenshot $OUT/$V-$1.png"; }
case $DESK in
xfce) TX=${TRAY_X:-1197} TY=${TRAY_Y:-13} ;;
kde) TX=${TRAY_X:-1071} TY=${TRAY_Y:-777} ;;
gnome) TX=${TRAY_X:-1181} TY=${TRAY_Y:-15} ;;
esac
move() { if [ $DESK = gnome ]; then $L/gnome.sh pointer move "$1" "$2"; else x xdotool mousemove "$1" "$2"; fi; }
click() { # button [double]
    if [ $DESK = gnome ]; then
        # GNOME may reopen its overview after start-up; the checks want the desktop.
        $L/gnome.sh eval 'Main.overview.hide(); 1' >/dev/null
        $L/gnome.sh pointer ${2:-click} "$1"
    else
        if [ "${2:-}" = dclick ]; then x xdotool click --repeat 2 --delay 80 "$1"; else x xdotool click "$1"; fi
    fi
}
escape() { if [ $DESK = gnome ]; then $L/gnome.sh eval 'Main.panel.menuManager.activeMenu?.close(); 1' >/dev/null; fi; x xdotool key Escape 2>/dev/null; }
win() { $L/probe.sh $DESK window | grep '^window' | head -1; }
wid() { win | awk '{print $2}'; }
popups() { # visible Quillmark popup menus
    x bash -c 'for w in $(xdotool search --classname "^quillmark$"); do
        i=$(xwininfo -id $w); echo "$i" | grep -q "Override Redirect State: yes" || continue
        echo "$i" | grep -q IsViewable && echo "$w $(xwininfo -id $w | awk "/Absolute upper-left X/{x=\$4} /Absolute upper-left Y/{y=\$4} /Width/{w=\$2} /Height/{h=\$2} END{print x\",\"y\" \"w\"x\"h}")"
    done'
}
wait_window() { for _ in $(seq 60); do win | grep -q IsViewable && return 0; sleep 1; done; return 1; }

$L/$DESK.sh stop >/dev/null 2>&1
if [ "$V" = gnome-noext ]; then LAB_APPINDICATOR=0 $L/gnome.sh start || exit 1; else $L/$DESK.sh start || exit 1; fi
say "== $V  ($(date -u +%H:%M:%S) UTC, binary ${LAB_QUILLMARK:-${LAB_REPO:-$L/../..}/build/quillmark})"
rm -rf "$L/run/$DESK/qm"
$L/qm.sh $DESK >/dev/null
wait_window || { say "window never shown; log:"; tail -20 "$L/run/$DESK/qm.log" | tee -a "$SUM"; exit 1; }
sleep 8
[ $DESK = gnome ] && $L/gnome.sh eval 'Main.overview.hide(); Main.messageTray.getSources().forEach(s => s.destroy()); 1' >/dev/null
say "1. start"; say "  $(win)"; $L/probe.sh $DESK menu | sed 's/^/  /' | tee -a "$SUM"
shot 01-start
say "2. right click on the tray icon at $TX,$TY"
move $TX $TY; sleep 0.5; click 3; sleep 2.5
p=$(popups); say "  Quillmark's own Qt popup shown: ${p:-no} (a host-drawn dbusmenu is only in the screenshot)"
shot 02-right-click
escape; sleep 1
if [ $DESK != gnome ] || [ $V = gnome ]; then
    say "  ContextMenu over D-Bus (what a host calls for an item without a menu):"
    it=$($L/probe.sh $DESK sni | sed -n 's/^  \([^:]*:[^/]*\)\(\/[^:]*\): .*/\1 \2/p' | head -1)
    if [ -n "$it" ]; then
        x gdbus call --session -d ${it% *} -o ${it#* } -m org.kde.StatusNotifierItem.ContextMenu $TX $TY >/dev/null 2>&1
        sleep 2; p=$(popups); say "    menu shown: ${p:-no}"; shot 03-dbus-contextmenu; escape; sleep 1
    else say "    no item registered"; fi
fi
say "3. left click toggles"
before=$(win | awk '{print $3}')
move $TX $TY; sleep 0.3; click 1; sleep 2.5
say "  single click: $before -> $(win | awk '{print $3}')"; shot 04-left-click-1
click 1; sleep 2.5; say "  second click: $(win | awk '{print $3}')"; shot 05-left-click-2
if grep -q "single click: \(.*\) -> \1\$" "$SUM"; then
    # The click did nothing (the AppIndicator extension only activates on a double click).
    s0=$(win | awk '{print $3}'); click 1 dclick; sleep 2.5
    say "  double click: $s0 -> $(win | awk '{print $3}')"; shot 05b-double-click
    click 1 dclick; sleep 2.5; say "  double click again: $(win | awk '{print $3}')"; shot 05c-double-click-2
fi
win | grep -q IsViewable || { $L/qm.sh $DESK --show >/dev/null; sleep 2; }
say "4. --hide then --show keeps the position"
w=$(wid); x xdotool windowmove $w 300 150; sleep 1.5
say "  moved:       $(win | awk '{print $3,$5,$6}')"
$L/qm.sh $DESK --hide >/dev/null; sleep 2; say "  after --hide: $(win | awk '{print $3}')"
$L/qm.sh $DESK --show >/dev/null; sleep 2; say "  after --show: $(win | awk '{print $3,$5,$6}')"
shot 06-hide-show
say "5. translucency when the cursor leaves"
geo=$(win | awk '{print $5}'); cx=${geo%,*}; cy=${geo#*,}
say "  into the window:"; $L/hover.sh $DESK 1100 700 $((cx + 150)) $((cy + 200)) 5 1 | tail -2 | sed 's/^/    /' | tee -a "$SUM"
say "  out through the client area:"; $L/hover.sh $DESK $((cx + 150)) $((cy + 200)) 1100 700 5 3 | tail -4 | sed 's/^/    /' | tee -a "$SUM"
shot 07-left-through-client
$L/hover.sh $DESK 1100 700 $((cx + 150)) $((cy + 200)) 5 1 >/dev/null
say "  out over the caption:"; $L/hover.sh $DESK $((cx + 150)) $((cy + 200)) $((cx + 150)) $((cy - 15)) 4 1 | tail -2 | sed 's/^/    /' | tee -a "$SUM"
$L/hover.sh $DESK $((cx + 150)) $((cy - 15)) $((cx + 700)) $((cy - 15)) 4 3 | tail -4 | sed 's/^/    /' | tee -a "$SUM"
shot 08-left-over-caption
# Under XWayland the X cursor stays where it last left the X windows.
say "  in, out to the tray icon, hidden and shown again there:"
$L/hover.sh $DESK $((cx + 700)) $((cy - 15)) $((cx + 150)) $((cy + 200)) 3 0 >/dev/null
$L/hover.sh $DESK $((cx + 150)) $((cy + 200)) $TX $TY 3 0 >/dev/null
$L/qm.sh $DESK --hide >/dev/null; sleep 2; $L/qm.sh $DESK --show >/dev/null; sleep 3
say "    $(win | grep -o 'opacity=[^ ]*') (want translucent: the cursor is on the tray)"; shot 09-shown-cursor-on-tray
[ "${KEEP:-0}" = 1 ] || $L/$DESK.sh stop >/dev/null
say "summary: $SUM"
