"""The game window as a screen reader finds it through AT-SPI (Orca's way in): a named frame,
a console and an input line with Russian names and descriptions, no hidden button; and after a
turn its new text, once, as plain text: in the notification that shows with it, without the
echoed line and without line separators. The console reads as plain text too."""

import os
import shutil
import signal
import subprocess
import sys
import threading
import time

from xsession import Game, skip_unless, start_xvfb

PACKAGES = "xvfb dbus at-spi2-core python3-pyatspi"
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
zuft, story = sys.argv[1:3]

if "ZUFT_IN_SESSION" not in os.environ:  # a display and a D-Bus session of its own, then again
    skip_unless(shutil.which("dbus-run-session") and os.path.exists(LAUNCHER),
                "D-Bus or the AT-SPI bus", PACKAGES)
    xvfb, display = start_xvfb()
    env = dict(os.environ, DISPLAY=display, ZUFT_IN_SESSION="1")
    status = subprocess.run(["dbus-run-session", "--", sys.executable, *sys.argv], env=env)
    xvfb.kill()
    sys.exit(status.returncode)

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    skip_unless(False, "pyatspi", PACKAGES)

# The bus launcher starts the bus's own daemon: both go when the test ends.
bus = subprocess.Popen([LAUNCHER, "--launch-immediately"], start_new_session=True)
time.sleep(1)
events = []
pyatspi.Registry.registerEventListener(
    lambda event: events.append((event.type, event.source.getRoleName(), event.source.name,
                                 event.detail1, str(event.any_data))),
    "object:state-changed:showing", "object:text-changed:insert")
game = Game(zuft, story, {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
failures = []


def find(root, role, name=None):
    if root.getRoleName() == role and name in (None, root.name):
        return root
    for child in root:
        found = child and find(child, role, name)
        if found:
            return found
    return None


def check(condition, what):
    if not condition:
        failures.append(what)


def play():
    try:
        app = None
        game.wait_for(lambda: (app := next((a for a in pyatspi.Registry.getDesktop(0)
                                            if a and a.name == "zuft"), None)) is not None
                      and find(app, "text", "Команда") is not None)
        app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "zuft")
        check(find(app, "frame", "Зуфт Win v. 1.0"), "the window is a named frame")
        console, line = find(app, "text", "Текст истории"), find(app, "text", "Команда")
        check(console and console.description and line.description, "descriptions")
        check(find(app, "push button", "OK") is None, "no hidden OK button")
        line.queryEditableText().setTextContents("осм")
        pyatspi.Registry.generateKeyboardEvent(0xff0d, None, pyatspi.KEY_SYM)  # Return
        game.wait_for(lambda: game.turns() == ["осм"])
        time.sleep(1)
        shown = console.queryText().getText(0, -1)
        said = shown.split("\n", 2)[2].rstrip("\n")
        check(shown.startswith(">осм\n\n") and "\u2028" not in shown, f"console text {shown!r}")
        notes = [e for e in events if e[0].endswith("showing") and e[1] == "notification"
                 and e[3] == 1]
        check([e[2] for e in notes] == [said], f"one notification {said!r}, got {notes}")
        check(not any("\u2028" in e[4] or "\u2029" in e[4] for e in events), "no separators")
    except Exception as error:  # noqa: BLE001 - any failure is the test's
        failures.append(repr(error))
    finally:
        GLib.idle_add(pyatspi.Registry.stop)


threading.Thread(target=play, daemon=True).start()
GLib.timeout_add_seconds(90, pyatspi.Registry.stop)
pyatspi.Registry.start()
game.close()
os.killpg(bus.pid, signal.SIGTERM)
print("FAIL: " + "; ".join(failures) if failures else "PASS: the screen reader hears the turn")
sys.exit(1 if failures else 0)
