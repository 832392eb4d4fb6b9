#!/usr/bin/env bash
# End-to-end screen-reader check: starts the console under Xvfb with its own D-Bus session and
# accessibility bus, reads the window the way a screen reader does (AT-SPI, python3-pyatspi) and
# reports, per shown page, every control without a name or sharing its name, plus the window's
# title and role and the tabs the page control offers. Exits 1 when it finds anything.
#   scripts/atspi-check.sh [build-dir]
# Needs: xvfb, dbus, at-spi2-core, python3-pyatspi, x11-utils (apt-get install them).
# Not part of the test command: the accessibility bus start-up is too timing-dependent for CI.
set -euo pipefail

root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${1:-$root_dir/build}"

if [ -z "${ATSPI_CHECK_INNER:-}" ]; then
  export ATSPI_CHECK_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$build_dir"
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
TILLCORE_DB=:memory: "$build_dir/bin/tillmate" &
console=$!
trap 'kill "$console" "$launcher" 2>/dev/null || true' EXIT
sleep 3

echo "WM_NAME: $(xprop -name 'Dravik EngineerinG. Tillmate QuentaE v1.1' WM_NAME 2>/dev/null || echo 'no window with the exact caption')"

/usr/bin/python3 - <<'PY'
import sys
import time

import pyatspi

desktop = pyatspi.Registry.getDesktop(0)
app = next((a for a in desktop if a and a.name and "tillmate" in a.name.lower()), None)
if app is None:
    print("the console is not on the accessibility bus")
    sys.exit(1)
frame = app[0]
print(f"window: role {frame.getRoleName()!r} name {frame.name!r}")
faults = 0 if frame.getRoleName() == "frame" else 1

CONTROLS = {"push button", "check box", "radio button", "text", "combo box", "spin button", "table",
            "link", "password text", "page tab"}
SKIP_INSIDE = {"table", "combo box", "spin button"}

def showing(node):
    return node is not None and node.getState().contains(pyatspi.STATE_SHOWING)

def find(node, role):
    if node.getRoleName() == role:
        return node
    for child in node:
        if showing(child):
            found = find(child, role)
            if found:
                return found
    return None

def walk(node, found):
    for child in node:
        if not showing(child) or child.getRoleName() == "page tab list":
            continue
        role = child.getRoleName()
        if role in CONTROLS:
            found.append((role, child.name))
            if role in SKIP_INSIDE:
                continue
        walk(child, found)

tabs = find(frame, "page tab list")
print("tabs:", ", ".join(tab.name for tab in tabs))
for tab in list(tabs):
    tab.queryAction().doAction(0)
    time.sleep(0.3)
    found = []
    walk(frame, found)
    names = [n for _, n in found]
    unnamed = [r for r, n in found if not n.strip()]
    shared = sorted({n for n in names if names.count(n) > 1})
    print(f"{tab.name}: {len(found)} controls, {len(unnamed)} without a name, {len(shared)} names shared")
    for role in unnamed:
        print(f"   without a name: {role}")
    for n in shared:
        print(f"   shared: {n!r}")
    faults += len(unnamed) + len(shared)
sys.exit(1 if faults else 0)
PY
