"""What a screen reader finds in the running program, read through the AT-SPI registry.

accessibility_check.py tree <free MB>   every control named, the instruments' roles and values
accessibility_check.py value <name> <v> waits (10 s) until the control of that name reads v
accessibility_check.py focus            the name and role of the control with the keyboard focus
accessibility_check.py menu             the items of the open tray menu, and the focused one
Ends with 1 and a line per fault when something is missing.
"""
import subprocess
import sys
import time

from gi.repository import GLib

import pyatspi

# Roles whose objects only group or show text: a name is not needed.
GROUPING = {"filler", "panel", "layered pane", "page tab list", "label", "list", "image"}


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "lumaro":
            return app
    return None


def walk(node, found):
    found.append(node)
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, found)
    return found


def value_of(node):
    try:
        return node.queryValue().currentValue
    except NotImplementedError:
        return None


def nodes():
    app = program()
    return walk(app, []) if app is not None else []


def named(all_nodes, name):
    return [n for n in all_nodes if n.name == name]


def check_tree(free_mb):
    faults = []
    all_nodes = nodes()
    if not all_nodes:
        return ["the program is not in the registry"]
    for node in all_nodes:
        role = node.getRoleName()
        # A list's items and an editable list's text field are parts of a control named as a whole.
        parent_role = node.parent.getRoleName() if node.parent is not None else ""
        if role in ("list item", "application") or parent_role in ("list", "combo box"):
            continue
        # A combo box's name is its choice; its purpose is in the description.
        if role == "combo box" and not node.description:
            faults.append("a combo box without a purpose, showing %r" % node.name)
        if role not in GROUPING and not node.name:
            faults.append("a %s without a name under %r" % (role, node.parent.name if node.parent else ""))
    expected = {
        "Utilização da CPU (%)": "label",
        "Medidor de utilização da CPU": "progress bar",
        "Memória RAM livre (MB)": "label",
        "Memória RAM livre máxima (MB)": "label",
        "Memória RAM livre mínima (MB)": "label",
        "Gráfico da memória (MB)": "chart",
        "Memória RAM Alvo (MB)": "slider",
        "Nível Crítico (MB)": "slider",
        "Desfragmentação": "progress bar",
        "Uso máximo da CPU para auto-otimizar (%)": "spin button",
        "Intervalo da auto-otimização (minutos)": "spin button",
        "Buffer de Acesso Direto a Memória (DMA)": "slider",
        "Tamanho do Bloco do Cache": "slider",
        "Otimizar Memória": "push button",
        "Minimizar": "image",
        "Páginas": "filler",
    }
    for name, role in expected.items():
        found = named(all_nodes, name)
        if not found:
            faults.append("no control named %r" % name)
        elif found[0].getRoleName() != role:
            faults.append("%r is a %s, not a %s" % (name, found[0].getRoleName(), role))
        elif role in ("progress bar", "slider", "spin button") and value_of(found[0]) is None:
            faults.append("%r has no value" % name)
    free = named(all_nodes, "Memória RAM livre (MB)")
    if free and abs(value_of(free[0]) - free_mb) > 1:
        faults.append("the free memory read-out says %s, not %s" % (value_of(free[0]), free_mb))
    chart = named(all_nodes, "Gráfico da memória (MB)")
    if chart and "Memória Livre: " not in chart[0].description:
        faults.append("the chart reads %r" % chart[0].description)
    return faults


def wait_value(name, wanted):
    seen = None
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        found = named(nodes(), name)
        seen = value_of(found[0]) if found else None
        if seen is not None and abs(seen - wanted) <= 1:
            return []
        time.sleep(0.2)
    return ["%r reads %s, not %s" % (name, seen, wanted)]


def focused():
    all_nodes = nodes()
    if not all_nodes:
        return ["the program is not in the registry"]
    for node in all_nodes:
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            print("%s|%s" % (node.name, node.getRoleName()))
            return []
    print("|")
    return []


def check_menu():
    """Presses Down in the open menu and reads the item that takes the focus, and its menu. A popup is
    no child of the application: a reader meets it through the focus."""
    seen = []

    def focused_item(event):
        if event.detail1 == 1 and event.source is not None and event.source.getRoleName() == "menu item":
            seen.append(event.source)
            pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(focused_item, "object:state-changed:focused")
    GLib.timeout_add(500, lambda: subprocess.call(["xdotool", "key", "Down"]) and False)
    GLib.timeout_add(10000, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()
    if not seen:
        return ["no menu item took the focus"]
    menu = seen[0].parent
    items = [menu.getChildAtIndex(i) for i in range(menu.childCount)]
    names = [item.name for item in items if item.getRoleName() == "menu item"]
    print("     %s: %s; focused: %s" % (menu.getRoleName(), ", ".join(names), seen[0].name))
    faults = [] if len(names) >= 3 and all(names) else ["the menu's items read %r" % names]
    if seen[0].name != names[0]:
        faults.append("after Down the focus is on %r, not the first item" % seen[0].name)
    return faults


def main():
    if sys.argv[1] == "tree":
        faults = check_tree(float(sys.argv[2]))
    elif sys.argv[1] == "value":
        faults = wait_value(sys.argv[2], float(sys.argv[3]))
    elif sys.argv[1] == "menu":
        faults = check_menu()
    else:
        faults = focused()
    for fault in faults:
        print("     " + fault)
    sys.exit(1 if faults else 0)


main()
