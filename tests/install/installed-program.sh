#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the layout and the desktop
# files, then starts the installed program as a new user would, from a folder
# without Data, on the current X display.
set -euo pipefail
work="$(mktemp -d)"
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
wait_for() { # seconds, command: polls every 0.2 s
  local tries=$(($1 * 5)); shift
  until "$@"; do tries=$((tries - 1)); [ "$tries" -gt 0 ] || return 1; sleep 0.2; done
}

prefix="$work/prefix"
cmake --install "$1" --prefix "$prefix" >/dev/null
for file in bin/quillmark lib/quillmark/quillmark-link-host lib/quillmark/plugins/quillmark-pages.so share/quillmark/Data/{2.css,p.gif} \
    share/applications/quillmark.desktop share/metainfo/org.example.quillmark.metainfo.xml \
    share/icons/hicolor/{16x16,32x32,48x48,128x128}/apps/quillmark.png \
    share/icons/hicolor/scalable/apps/quillmark.svg share/doc/quillmark/LICENSE; do
  [ -s "$prefix/$file" ] || fail "not installed: $file"
done
desktop-file-validate "$prefix/share/applications/quillmark.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.xml || fail "metainfo"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
  XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/runtime"
unset QT_QPA_PLATFORM
mkdir -p -m 700 "$HOME" "$work/elsewhere" "$XDG_RUNTIME_DIR"
cd "$work/elsewhere"
"$prefix/bin/quillmark" >"$work/out.log" 2>&1 &
pid=$!
data="$XDG_DATA_HOME/Quillmark/Data"
window="$(timeout 30 xdotool search --sync --onlyvisible --name ' - Quillmark$' | head -1)" \
  || fail "no window"
# "Links" is the second tab, under the toolbar.
click_links() { xdotool mousemove --window "$window" 75 48 click 1; grep -qs 'Add link' "$data/qmtemp.tmp"; }
wait_for 30 click_links || fail "the Links page did not show"
for file in 2.css p.gif qmlinks.qbx qmtasks.qbx; do
  [ -e "$data/$file" ] || fail "not in the user's data folder: $file"
done
[ ! -e Data ] || fail "Data made in the start folder"
for browser in .mozilla .config/chromium .config/google-chrome; do
  [ ! -e "$HOME/$browser" ] || fail "made a folder for a browser that is not there: $browser"
done
# A page that cannot be written ends the program: it must still run a while later.
! wait_for 3 eval '! kill -0 "$pid" 2>/dev/null' || fail "ended: $(cat "$work/out.log")"
kill -TERM "$pid"
status=0; wait "$pid" || status=$?; pid=""
[ "$status" -eq 0 ] || fail "exit status $status"
grep -qs '^IsOpened=true' "$XDG_CONFIG_HOME/Tarnwick software/Quillmark.conf" || fail "settings not stored"
[ ! -s "$work/out.log" ] || fail "the program printed: $(cat "$work/out.log")"
echo "installed program: layout, desktop files and first start are fine"
