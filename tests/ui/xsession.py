"""Two tests of the game window on a bare X display (Xvfb, no window manager), playing STORY
with settings and games in folders of their own and reading what was played from the autosave.

keys_without_window_manager: Enter plays the typed line although nobody makes the window
active, and letters typed after a click into the console go to the input line.

screen_reader: through AT-SPI (Orca's way in), a named frame, a console and an input line with
Russian names and descriptions, no hidden button; after a turn its new text once, as plain text,
in the notification that shows with it: without the echoed line or line separators.

Where a session cannot be had, a test skips (status 77) naming the Debian packages it needs.

Usage: xsession.py TEST ZUFT STORY"""

import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

ATSPI_PACKAGES = "xvfb dbus at-spi2-core python3-pyatspi"
ATSPI_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
TITLE = "Зуфт Win v. 1.0"


def skip_unless(ready, what, packages):
    if not ready:
        print(f"SKIP: {what} is missing; install the Debian packages: {packages}")
        sys.exit(77)


def start_xvfb():
    """Starts Xvfb on a free display and returns (process, display)."""
    skip_unless(shutil.which("Xvfb"), "Xvfb", "xvfb")
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as number:
        return xvfb, ":" + number.readline().strip()


def wait_for(condition, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if condition():
            return True
        time.sleep(0.2)
    return False


class Game:
    """zuft playing STORY on the display, with settings and games in a folder of its own."""

    def __init__(self, zuft, story, env=None):
        self.home = tempfile.TemporaryDirectory()
        env = dict(os.environ, XDG_DATA_HOME=self.home.name + "/data",
                   XDG_CONFIG_HOME=self.home.name + "/config", **(env or {}))
        env.pop("QT_QPA_PLATFORM", None)  # the window shows on the display, not offscreen
        self.process = subprocess.Popen([zuft, story], env=env)

    def turns(self):
        """The lines of the turns kept in the autosave, in order."""
        lines = []
        for save in glob.glob(self.home.name + "/data/zuft/autosave/*.zsave"):
            with open(save, encoding="utf-8") as kept:
                lines += [line.split(" ", 2)[2].rstrip("\n") for line in kept
                          if line.startswith("turn ")]
        return lines

    def close(self):
        self.process.kill()
        self.process.wait()
        self.home.cleanup()


class Keyboard:
    """Types through XTEST, with each letter on a key of its own from before the window starts.
    xdotool maps a spare key to a Cyrillic letter just before it types it and unmaps it right
    after, and a busy window that reads the keyboard map late sees a key with no letter."""

    def __init__(self, letters):
        try:
            from Xlib import X, display
            from Xlib.ext import xtest
        except ImportError:
            skip_unless(False, "python3-xlib", "python3-xlib")
        self.press, self.release, self.fake_input = X.KeyPress, X.KeyRelease, xtest.fake_input
        self.display = display.Display()
        last = self.display.display.info.max_keycode  # media keys that the window ignores
        self.codes = {"\n": self.display.keysym_to_keycode(0xFF0D)}
        for code, letter in zip(range(last - len(letters) + 1, last + 1), letters):
            keysym = 0x1000000 | ord(letter)
            self.display.change_keyboard_mapping(code, [(keysym, keysym)])
            self.codes[letter] = code
        self.display.sync()

    def type(self, text):
        for char in text:
            for kind in (self.press, self.release):
                self.fake_input(self.display, kind, self.codes[char])
            self.display.sync()
            time.sleep(0.03)


def keys_without_window_manager(zuft, story):
    skip_unless(shutil.which("xdotool"), "xdotool", "xdotool")
    xvfb, os.environ["DISPLAY"] = start_xvfb()
    keyboard = Keyboard("осм")
    game = Game(zuft, story)

    def xdotool(*arguments):
        return subprocess.run(["xdotool", *arguments], check=True, capture_output=True,
                              text=True).stdout.strip()

    def play(line):
        keyboard.type(line + "\n")

    try:
        window = xdotool("search", "--sync", "--onlyvisible", "--name", f"^{TITLE}$")
        assert wait_for(lambda: game.turns() == [] and os.path.exists(game.home.name + "/data"))
        xdotool("mousemove", "0", "0")  # the pointer away: no focus follows it
        play("осм")
        assert wait_for(lambda: game.turns() == ["осм"]), game.turns()
        xdotool("mousemove", "--window", window, "60", "60", "click", "1")  # into the console
        play("с")
        assert wait_for(lambda: game.turns() == ["осм", "с"]), game.turns()
        print("PASS: Enter and typing work without a window manager")
    finally:
        game.close()
        xvfb.kill()


def screen_reader(zuft, story):
    if "ZUFT_IN_SESSION" not in os.environ:  # a display and a D-Bus session of its own, then again
        skip_unless(shutil.which("dbus-run-session") and os.path.exists(ATSPI_LAUNCHER),
                    "D-Bus or the AT-SPI bus", ATSPI_PACKAGES)
        xvfb, display = start_xvfb()
        env = dict(os.environ, DISPLAY=display, ZUFT_IN_SESSION="1")
        status = subprocess.run(["dbus-run-session", "--", sys.executable, *sys.argv], env=env)
        xvfb.kill()
        sys.exit(status.returncode)
    try:
        import pyatspi
        from gi.repository import GLib
    except ImportError:
        skip_unless(False, "pyatspi", ATSPI_PACKAGES)

    # The bus launcher starts the bus's own daemon: both go when the test ends.
    bus = subprocess.Popen([ATSPI_LAUNCHER, "--launch-immediately"], start_new_session=True)
    time.sleep(1)
    events = []
    pyatspi.Registry.registerEventListener(
        lambda event: events.append((event.type, event.source.getRoleName(), event.source.name,
                                     event.detail1, str(event.any_data),
                                     event.source.description)),
        "object:state-changed:showing", "object:text-changed:insert")
    game = Game(zuft, story, {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
    failures = []

    def find(root, role, name=None):
        if root is None or root.getRoleName() == role and name in (None, root.name):
            return root
        return next((found for child in root if (found := find(child, role, name))), None)

    def app():
        return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "zuft"), None)

    def play():
        try:
            wait_for(lambda: find(app(), "text", "Команда"))
            assert find(app(), "frame", TITLE), "the window is a named frame"
            console = find(app(), "text", "Текст истории")
            line = find(app(), "text", "Команда")
            assert console and console.description and line.description, "descriptions"
            assert not find(app(), "push button", "OK"), "no hidden OK button"
            line.queryEditableText().setTextContents("осм")
            pyatspi.Registry.generateKeyboardEvent(0xff0d, None, pyatspi.KEY_SYM)  # Return
            wait_for(lambda: game.turns() == ["осм"])
            time.sleep(1)
            shown = console.queryText().getText(0, -1)
            said = shown.split("\n", 2)[2].rstrip("\n")
            assert shown.startswith(">осм\n\n") and "\u2028" not in shown, f"console {shown!r}"
            notes = [e for e in events if e[0].endswith("showing") and e[1] == "notification"
                     and e[3] == 1]
            assert [e[2] for e in notes] == [said], f"one notification {said!r}, got {notes}"
            assert not any(e[5] for e in notes), "the answer alone, no description after it"
            assert not any("\u2028" in e[4] or "\u2029" in e[4] for e in events), "no separators"
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


if __name__ == "__main__":
    {"keys_without_window_manager": keys_without_window_manager,
     "screen_reader": screen_reader}[sys.argv[1]](*sys.argv[2:4])
