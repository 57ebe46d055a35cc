#!/usr/bin/env bash
# Prints what the lab checks about Quillmark in desktop DESK:
#   window: mapped state, geometry, _NET_WM_WINDOW_OPACITY (as a fraction), cursor
#   sni:    the StatusNotifierWatcher's items, each one's Status, Menu and ItemIsMenu
#   menu:   com.canonical.dbusmenu GetLayout of the item's menu (labels)
# usage: probe.sh DESK [window|sni|menu|all]
DESK=$1; what=${2:-all}
"$(dirname "${BASH_SOURCE[0]}")/$DESK.sh" exec bash -s "$what" <<'IN'
what=$1
if [[ $what == window || $what == all ]]; then
  found=0
  for w in $(xdotool search --classname '^quillmark$' 2>/dev/null); do
    name=$(xprop -id $w WM_NAME 2>/dev/null | sed 's/.*= //')
    case $name in *" - Quillmark"*) ;; *) continue;; esac
    info=$(xwininfo -id $w 2>/dev/null)
    [ "$(echo "$info" | awk '/Width:/{print $2}')" -le 10 ] && continue
    found=1
    op=$(xprop -id $w _NET_WM_WINDOW_OPACITY 2>/dev/null | awk -F'= ' '/=/{printf "%.3f", $2/4294967295}')
    ms=$(echo "$info" | awk '/Map State/{print $3}')
    # Minimised windows stay mapped under mutter: WM_STATE says Iconic.
    xprop -id $w WM_STATE 2>/dev/null | grep -q Iconic && ms=Iconic
    echo "window $w $ms at $(echo "$info" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x","y" "w"x"h}') opacity=${op:-unset(opaque)} title=$name"
  done
  [ $found = 0 ] && echo "window: none found"
  echo "cursor $(xdotool getmouselocation 2>/dev/null)"
fi
if [[ $what == sni || $what == menu || $what == all ]]; then
  items=$(gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
      -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems 2>&1)
  echo "sni items: $items"
  for it in $(echo "$items" | grep -o "'[^']*'" | tr -d "'"); do
    it=${it/@\//\/}; svc=${it%%/*}; path=/${it#*/}
    [ "$path" = "/$svc" ] && path=/StatusNotifierItem
    get() { gdbus call --session -d "$svc" -o "$path" -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem "$1" 2>&1; }
    menu=$(get Menu | grep -o "'/[^']*'" | tr -d "'")
    echo "  $it: Id=$(get Id) Title=$(get Title) Status=$(get Status) ItemIsMenu=$(get ItemIsMenu) Menu=$menu"
    if [[ $what != sni && -n $menu ]]; then
      gdbus call --session -d "$svc" -o "$menu" -m com.canonical.dbusmenu.GetLayout -- 0 -1 '["label","enabled","visible","type","toggle-state","children-display"]' 2>&1 \
        | grep -o "'label': <'[^']*'>\|'type': <'separator'>" | sed "s/'label': <'\(.*\)'>/    - \1/; s/'type': <'separator'>/    ----/"
    fi
  done
fi
IN
