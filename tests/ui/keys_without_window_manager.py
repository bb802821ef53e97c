"""On a bare X display with no window manager, nobody makes the game window active: the keys
must still play. Enter plays the typed line, and letters typed after a click into the console
go to the input line. What was played is read back from the game's autosave."""

import os
import shutil
import subprocess
import sys

from xsession import Game, skip_unless, start_xvfb

zuft, story = sys.argv[1:3]
skip_unless(shutil.which("xdotool"), "xdotool", "xdotool")
xvfb, display = start_xvfb()
os.environ["DISPLAY"] = display
game = Game(zuft, story)


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True,
                          text=True).stdout.strip()


try:
    window = xdotool("search", "--sync", "--onlyvisible", "--name", "^Зуфт Win v. 1.0$")
    assert game.wait_for(lambda: game.turns() == [] and os.path.exists(game.home.name + "/data"))
    xdotool("mousemove", "0", "0")  # the pointer away: no focus follows it
    xdotool("type", "--delay", "30", "осм")
    xdotool("key", "Return")
    assert game.wait_for(lambda: game.turns() == ["осм"]), game.turns()

    xdotool("mousemove", "--window", window, "60", "60", "click", "1")  # into the console
    xdotool("type", "--delay", "30", "с")
    xdotool("key", "Return")
    assert game.wait_for(lambda: game.turns() == ["осм", "с"]), game.turns()
    print("PASS: Enter and typing work without a window manager")
finally:
    game.close()
    xvfb.kill()
