# Sourced by the GUI tests of the tray: finding the program's tray icon on the virtual display.

# The program's windows that are mapped now: the tray icon, and the menu or the main window when open.
shown_windows() { xdotool search --onlyvisible --class '^lumaro$' 2>/dev/null; }

# Prints the id of a shown window of the program whose size ("<width>x<height>") matches the pattern.
sized_window() {
  local w
  for w in $(shown_windows); do
    xdotool getwindowgeometry "$w" 2>/dev/null | grep -qE "Geometry: $1\$" && { echo "$w"; return 0; }
  done
  return 1
}

# The tray icon: the tray host gives it a slot of 16 to 24 pixels.
wait_for_icon() { wait_until "$1" sized_window '(1[6-9]|2[0-4])x(1[6-9]|2[0-4])'; }
