#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the layout and the
# desktop files; then starts the installed program as a new user would, from a
# folder without Data, on the current X display: the Links page shows, the
# program keeps running and its files appear under the user's data folder.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Polls a condition every 0.2 s for at most $1 seconds.
wait_for() {
  local tries=$(($1 * 5)); shift
  until "$@"; do
    tries=$((tries - 1)); [ "$tries" -gt 0 ] || return 1; sleep 0.2
  done
}

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/quillmark lib/quillmark/quillmark-link-host share/quillmark/Data/2.css \
    share/quillmark/Data/p.gif share/applications/quillmark.desktop \
    share/metainfo/org.example.quillmark.metainfo.xml share/doc/quillmark/LICENSE \
    share/icons/hicolor/{16x16,32x32,48x48,128x128}/apps/quillmark.png \
    share/icons/hicolor/scalable/apps/quillmark.svg; do
  [ -s "$prefix/$file" ] || fail "not installed: $file"
done
desktop-file-validate "$prefix/share/applications/quillmark.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.quillmark.metainfo.xml" \
  || fail "metainfo"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
  XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/runtime"
unset QT_QPA_PLATFORM
mkdir -p "$HOME" "$work/elsewhere" -m 700 "$XDG_RUNTIME_DIR"
cd "$work/elsewhere"
"$prefix/bin/quillmark" >"$work/out.log" 2>&1 &
pid=$!

data="$XDG_DATA_HOME/Quillmark/Data"
window="$(timeout 30 xdotool search --sync --onlyvisible --name ' - Quillmark$' | head -1)" \
  || fail "no window"
# The tab bar lies under the toolbar; "Links" is the second tab.
page_shown() { grep -qs 'Add link' "$data/qmtemp.tmp"; }
click_links() { xdotool mousemove --window "$window" 75 48 click 1; page_shown; }
wait_for 30 click_links || fail "the Links page did not show"
for file in 2.css p.gif qmlinks.qbx qmtasks.qbx; do
  [ -e "$data/$file" ] || fail "not in the user's data folder: $file"
done
[ ! -e "$work/elsewhere/Data" ] || fail "Data made in the start folder"
for browser in .mozilla .config/chromium .config/google-chrome; do
  [ ! -e "$HOME/$browser" ] || fail "made a folder for a browser that is not there: $browser"
done
# Still running a while after the page showed (a failed page ends the program).
! wait_for 3 eval '! kill -0 "$pid" 2>/dev/null' || fail "the program ended: $(cat "$work/out.log")"
kill -TERM "$pid"
status=0; wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "exit status $status"
[ ! -s "$work/out.log" ] || fail "the program printed: $(cat "$work/out.log")"
echo "installed program: layout, desktop files and first start are fine"
