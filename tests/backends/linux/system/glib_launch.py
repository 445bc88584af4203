#!/usr/bin/python3
# Starts desktop entries one after another as desktops built on GLib do, each once the last has ended.
# Usage: glib_launch.py <desktop file>... Exit code: 0 when every program ended with 0, else the first
# other exit code; 1 when GLib refuses an entry; 77 when GLib's Python bindings are not installed.
import os
import sys

try:
    import gi

    gi.require_version("Gio", "2.0")
    from gi.repository import Gio, GLib
except (ImportError, ValueError):
    sys.exit(77)


def launch(path):
    """The exit code of the program the entry at `path` starts."""
    try:
        entry = Gio.DesktopAppInfo.new_from_filename(path)
    except TypeError:  # how the bindings hand on GLib's refusal
        entry = None
    if entry is None:
        print("GLib refuses the entry " + path, file=sys.stderr)
        return 1
    started = []
    entry.launch_uris_as_manager([], None, GLib.SpawnFlags.DO_NOT_REAP_CHILD, None, None,
                                 lambda _entry, pid, _data: started.append(pid), None)
    _, status = os.waitpid(started[0], 0)
    return os.waitstatus_to_exitcode(status)


for path in sys.argv[1:]:
    code = launch(path)
    if code != 0:
        sys.exit(code)
