#!/usr/bin/env bash
# Runs inside gnome.sh's private mount and network namespaces, under
# dbus-run-session: records the bus, sets the extensions to enable (one write,
# so that none is lost to another) and starts the headless shell.
DIR=$1
echo "DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS" >>"$DIR/env"
echo $$ >>"$DIR/pids"
set -a; . "$DIR/env"; set +a
ext="'lab-tools@quillmark.lab'"
[ "${LAB_APPINDICATOR:-1}" = 1 ] && ext="$ext, 'ubuntu-appindicators@ubuntu.com'"
gsettings set org.gnome.shell enabled-extensions "[$ext]"
exec nice -n 10 gnome-shell --headless --wayland --virtual-monitor "${LAB_MONITOR:-1280x800}" >"$DIR/shell.log" 2>&1
