#!/usr/bin/env bash
# Screenshot of a running lab desktop: shot.sh xfce|kde|gnome OUT.png
[ $# -eq 2 ] || { echo "usage: shot.sh xfce|kde|gnome OUT.png" >&2; exit 2; }
exec "$(dirname "${BASH_SOURCE[0]}")/$1.sh" shot "$2"
