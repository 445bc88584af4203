# Sourced: the panels of real desktops on the virtual display: Xfce's xfce4-panel with its status tray
# plugin (systray) and LXQt's lxqt-panel with its Status Notifier plugin, each hosting
# StatusNotifierItems and drawing their menus from com.canonical.dbusmenu, and tint2, whose system
# tray is an XEmbed host. Each needs a session bus, and Xfce's settings daemon is started by that bus:
# start_session_bus after the sandbox's HOME and XDG folders are exported, so that the panel's
# configuration written here is the one it reads.
source "$(dirname "${BASH_SOURCE[0]}")/waits.sh"

# start_panel <xfce|lxqt> <log file>: writes a configuration with one bottom panel holding only the
# status notifier host, starts that panel, sets PANEL_PID, and returns once the panel serves the
# StatusNotifierWatcher.
start_panel() {
  case $1 in
    xfce)
      local channel=$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml
      mkdir -p "$channel"
      cat >"$channel/xfce4-panel.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=8;x=512;y=755"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="26"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
XML
      xfce4-panel >"$2" 2>&1 &
      ;;
    lxqt)
      mkdir -p "$XDG_CONFIG_HOME/lxqt"
      cat >"$XDG_CONFIG_HOME/lxqt/panel.conf" <<'CONF'
[General]
__userfile__=true

[panel1]
plugins=statusnotifier
position=Bottom
desktop=0
panelSize=28

[statusnotifier]
alignment=Right
type=statusnotifier
CONF
      lxqt-panel >"$2" 2>&1 &
      ;;
  esac
  PANEL_PID=$!
  wait_until 15 watcher_served
}

# start_tint2 <log file>: tint2's panel at the bottom of the screen holding only its system tray, an
# XEmbed host with 24-pixel slots on the grey of trayer's, so that a slot shows what trayer's does. Sets
# PANEL_PID and returns once the panel's window is up.
start_tint2() {
  mkdir -p "$XDG_CONFIG_HOME/tint2"
  cat >"$XDG_CONFIG_HOME/tint2/tint2rc" <<'RC'
rounded = 0
border_width = 0
background_color = #404040 100
border_color = #000000 0

panel_items = S
panel_size = 100% 30
panel_margin = 0 0
panel_padding = 2 0 2
panel_background_id = 1
panel_position = bottom center horizontal
panel_layer = top
disable_transparency = 1
mouse_effects = 0

systray_padding = 4 3 4
systray_background_id = 0
systray_icon_size = 24
systray_icon_asb = 100 0 0
RC
  tint2 -c "$XDG_CONFIG_HOME/tint2/tint2rc" >"$1" 2>&1 &
  PANEL_PID=$!
  wait_until 10 tint2_up
}
tint2_up() { xdotool search --class '^tint2$' >/dev/null 2>&1; }

watcher_served() {
  gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus -m org.freedesktop.DBus.NameHasOwner \
    org.kde.StatusNotifierWatcher 2>/dev/null | grep -q true
}

# registered_items: the watcher's list of items, as gdbus prints it.
registered_items() {
  gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
    -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems 2>/dev/null
}
# one_item_registered: prints the bus name of the only registered item.
one_item_registered() {
  local names
  names=$(registered_items | grep -o 'org\.kde\.StatusNotifierItem-[0-9]*-[0-9]*')
  [[ -n "$names" && $(wc -l <<<"$names") -eq 1 ]] && echo "$names"
}
no_item_registered() { ! registered_items | grep -q 'StatusNotifierItem-'; }

# panel_icon_point: prints "x y", the middle of the program's picture in the panel at the bottom of the
# screen: where its level colours (green, yellow or red) show.
panel_icon_point() {
  local width height
  read -r width height < <(xdotool getdisplaygeometry)
  import -window root -crop "${width}x48+0+$((height - 48))" -depth 8 txt:- 2>/dev/null |
    awk -v top=$((height - 48)) -F'[,: ]+' '/#00FF00|#FFFF00|#FF0000/ {x += $1; y += $2; n++}
      END {if (n < 8) exit 1; printf "%d %d\n", x / n, top + y / n}'
}

# panel_menu: prints the id of a menu the panel has opened: a popup (an override-redirect window on
# show) of another program, at least 250 pixels high (the program's 17 items).
panel_menu() {
  local w info program
  program=" $(xdotool search --class '^lumaro$' 2>/dev/null | tr '\n' ' ') "
  for w in $(xwininfo -root -children 2>/dev/null | awk '$1 ~ /^0x/ {print $1}'); do
    [[ "$program" == *" $((w)) "* ]] && continue
    info=$(xwininfo -id "$w" 2>/dev/null) || continue
    [[ $info == *'Map State: IsViewable'* && $info == *'Override Redirect State: yes'* ]] || continue
    if awk '/ Width:/ {w = $2} / Height:/ {h = $2} END {exit !(h >= 250 && h < 700 && w >= 100)}' <<<"$info"; then
      echo "$((w))"
      return 0
    fi
  done
  return 1
}
no_panel_menu() { ! panel_menu >/dev/null; }
