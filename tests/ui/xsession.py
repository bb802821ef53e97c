"""A bare X session for the window tests: Xvfb without a window manager, and a game window
playing a story with its own folders for settings and games. The tests skip (status 77) where
the session cannot be had; the Debian packages they need are named in the message."""

import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip_unless(ready, what, packages):
    if not ready:
        print(f"SKIP: {what} is missing; install the Debian packages: {packages}")
        sys.exit(SKIP)


def start_xvfb():
    """Starts Xvfb on a free display and returns (process, display)."""
    skip_unless(shutil.which("Xvfb"), "Xvfb", "xvfb")
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as number:
        display = ":" + number.readline().strip()
    return xvfb, display


class Game:
    """zuft playing STORY on the display, with settings and games in a folder of its own."""

    def __init__(self, zuft, story, env=None):
        self.home = tempfile.TemporaryDirectory()
        self.env = dict(os.environ, XDG_DATA_HOME=self.home.name + "/data",
                        XDG_CONFIG_HOME=self.home.name + "/config", **(env or {}))
        self.env.pop("QT_QPA_PLATFORM", None)  # the window shows on the display, not offscreen
        self.process = subprocess.Popen([zuft, story], env=self.env)

    def turns(self):
        """The lines of the turns kept in the autosave, in order."""
        lines = []
        for save in glob.glob(self.home.name + "/data/zuft/autosave/*.zsave"):
            with open(save, encoding="utf-8") as kept:
                lines += [line.split(" ", 2)[2].rstrip("\n") for line in kept
                          if line.startswith("turn ")]
        return lines

    def wait_for(self, condition, seconds=20):
        deadline = time.time() + seconds
        while time.time() < deadline:
            if condition():
                return True
            time.sleep(0.2)
        return False

    def close(self):
        self.process.kill()
        self.process.wait()
        self.home.cleanup()
