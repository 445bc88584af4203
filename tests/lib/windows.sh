# Sourced: windows on the virtual display, found, pictured and driven with xdotool, xwininfo and
# ImageMagick.
source "$(dirname "${BASH_SOURCE[0]}")/waits.sh"

# window_named <pattern>: prints the id of the first visible window whose name matches.
window_named() {
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
  [[ -n "$id" ]] && echo "$id"
}
visible() { window_named "$1" >/dev/null; }
not_visible() { ! visible "$1"; }

# wait_for_window <pattern> <seconds>: prints the id of the first visible window whose name matches,
# waiting that long for it to map. Searched again and again rather than with --sync: a search that
# meets a window while it is being destroyed (a closing menu) ends at once with BadWindow.
wait_for_window() { wait_until "$2" window_named "$1"; }

# window_hidden <id>: the window is not mapped, or no longer exists.
window_hidden() { [[ "$(xwininfo -id "$1" 2>/dev/null)" != *'Map State: IsViewable'* ]]; }

# sized_window <pattern>: prints the id of a visible window of the program whose size
# ("<width>x<height>") matches the extended regular expression.
sized_window() {
  local w geometry
  for w in $(xdotool search --onlyvisible --class '^lumaro$' 2>/dev/null); do
    geometry=$(xdotool getwindowgeometry "$w" 2>/dev/null)
    grep -qE "Geometry: $1\$" <<<"$geometry" && { echo "$w"; return 0; }
  done
  return 1
}

window_size_is() {
  local geometry
  geometry=$(xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p')
  [[ "$geometry" == "$2x$3" ]] || { echo "     size is $geometry"; return 1; }
}

# origin <window>: where the window's client area lies on the screen: "x y".
origin() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}'; }
# at_origin <window> <"x y">: the window lies there, or says where it lies instead.
at_origin() { [[ "$(origin "$1")" == "$2" ]] || { echo "     at $(origin "$1"), not $2"; return 1; }; }

screenshot() { import -window root "$1" 2>/dev/null; }

# picture_of <window>: a checksum of what the window shows now.
picture_of() { import -window "$1" rgb:- 2>/dev/null | md5sum; }
# shows_other_than <window> <checksum>: the window has been drawn anew since that picture.
shows_other_than() { [[ "$(picture_of "$1")" != "$2" ]]; }

# press_key <window> <key...>: gives the window the keyboard focus, then types the keys. The window
# manager hands the focus to neither a popup nor a window that has just mapped.
press_key() {
  local window=$1
  shift
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window" 2>/dev/null
  xdotool key "$@"
}

# click_point <x> <y> <click arguments...>: moves the pointer to that point of the screen, once it is
# there clicks, e.g. `click_point 10 20 3` or `click_point 10 20 --repeat 2 --delay 80 1`.
click_point() {
  local x=$1 y=$2
  shift 2
  # A synchronous move waits for motion, which never comes when the pointer is there already.
  [[ "$(xdotool getmouselocation 2>/dev/null)" == "x:$x y:$y "* ]] || xdotool mousemove --sync "$x" "$y"
  xdotool click "$@"
}

# window_middle <window>: prints "x y", the middle of the window on the screen.
window_middle() {
  local X='' Y='' WIDTH='' HEIGHT='' SCREEN='' WINDOW=''
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
  [[ -n "$X" ]] || return 1
  echo "$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
}

# click_middle <window> <click arguments...>: clicks the middle of the window (see click_point).
click_middle() {
  local middle
  middle=$(window_middle "$1") || return 1
  shift
  click_point ${middle% *} ${middle#* } "$@"
}

# point_at <window>: moves the pointer onto the middle of the window, as a user who wants its tip.
point_at() {
  local middle
  middle=$(window_middle "$1") || return 1
  xdotool mousemove --sync ${middle% *} ${middle#* }
}

# acknowledge_messages <pid> <folder>: while the process runs, every message box it shows (a window
# named "Lumaro") is saved as a screenshot and dismissed with Enter.
acknowledge_messages() {
  local pid=$1 folder=$2 window count=0
  while ! ended "$pid"; do
    for window in $(xdotool search --onlyvisible --name '^Lumaro$' 2>/dev/null); do
      count=$((count + 1))
      screenshot "$folder/message-$count.png"
      press_key "$window" Return
    done
    sleep 0.5  # how often to look, not a wait for one event
  done
}
