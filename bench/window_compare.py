#!/usr/bin/python3
"""Starts the game window and the least Qt window under Xvfb and watches them through X events.

First window: from starting the process to the first drawing into its first mapped top-level
window, seen as a damage event, so the watcher never polls and never slows the programs. Typed
turn: from the key press of Enter (sent through XTEST) to the last drawing into the console's
part of the window. Peak memory: the process's high-water mark of resident memory after the
turns. The programs take turns run by run.

usage: window_compare.py --floor PATH --zuft PATH --story PATH [--big-story PATH]
                         [--runs N] [--turns N] [--json OUT]
"""

import argparse
import json
import os
import select
import shutil
import statistics
import subprocess
import tempfile
import time

from Xlib import X, display, error
from Xlib.ext import damage, xtest  # noqa: F401 (registers the extensions' requests)

TIMEOUT = 20.0  # seconds: a window that shows nothing in that time is stuck
QUIET = 0.15  # seconds without drawing: the program waits for the player
INPUT_LINE_HEIGHT = 45  # pixels at the bottom of both windows: the input line and its margin


class Program:
    def __init__(self, name, argv, command):
        self.name = name
        self.argv = argv
        self.command = command  # what the player types each turn


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-displayfd",
         str(write_end)], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        number += os.read(read_end, 16)
    os.close(read_end)
    return server, ":" + number.decode().strip()


class Watcher:
    def __init__(self, name):
        self.display = display.Display(name)
        self.display.set_error_handler(lambda *args: None)  # windows may vanish while watched
        self.display.damage_query_version()
        self.root = self.display.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.damage_event = self.display.extension_event.DamageNotify
        self.spare_keycodes = self.unused_keycodes()
        self.keycodes = {}
        self.display.sync()

    def next_event(self, timeout):
        """The next event and when it arrived, or (None, None) after timeout seconds."""
        deadline = time.perf_counter() + timeout
        while not self.display.pending_events():
            remaining = deadline - time.perf_counter()
            if remaining <= 0 or not select.select([self.display], [], [], remaining)[0]:
                return None, None
        return self.display.next_event(), time.perf_counter()

    def drain(self):
        while self.next_event(QUIET)[0] is not None:
            pass

    def first_drawn_window(self, started):
        """Watches a starting program until its first mapped top-level window is drawn into."""
        mapped = set()
        while True:
            event, arrived = self.next_event(TIMEOUT)
            if event is None:
                raise TimeoutError("no window was drawn")
            if event.type == X.CreateNotify:
                event.window.damage_create(damage.DamageReportRawRectangles)
            elif event.type == X.MapNotify:
                mapped.add(event.window.id)
            elif event.type == self.damage_event and event.drawable.id in mapped:
                window = self.display.create_resource_object("window", event.drawable.id)
                return window, arrived - started

    def unused_keycodes(self):
        """The highest keycodes: media keys that no program measured here listens to."""
        last = self.display.display.info.max_keycode
        return list(range(last - 20, last + 1))

    def keycode(self, char):
        """A keycode that types char; letters the keyboard lacks get a spare key of their own."""
        if char not in self.keycodes:
            keysym = ord(char) if ord(char) < 0x80 else 0x1000000 | ord(char)
            code = self.display.keysym_to_keycode(keysym)
            if code == 0:
                code = self.spare_keycodes.pop()
                self.display.change_keyboard_mapping(code, [(keysym, keysym)])
                self.display.sync()
                time.sleep(0.2)  # the programs reload the keyboard map
            self.keycodes[char] = code
        return self.keycodes[char]

    def press(self, code):
        self.display.xtest_fake_input(X.KeyPress, code)
        self.display.xtest_fake_input(X.KeyRelease, code)
        self.display.sync()

    def focus(self, window):
        geometry = window.get_geometry()
        self.display.xtest_fake_input(X.MotionNotify, x=geometry.x + geometry.width // 2,
                                      y=geometry.y + geometry.height // 2)
        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.display.sync()
        self.drain()
        return geometry.height - INPUT_LINE_HEIGHT

    def typed_turn(self, window, command, console_bottom):
        """Types the command, then times Enter until the console's drawing is over."""
        codes = [self.keycode(c) for c in command]
        for code in codes:
            self.press(code)
        self.drain()
        enter = self.display.keysym_to_keycode(0xFF0D)
        sent = time.perf_counter()
        self.press(enter)
        last = None
        while True:
            event, arrived = self.next_event(QUIET if last else TIMEOUT)
            if event is None:
                if last is None:
                    raise TimeoutError("the console was not drawn")
                return last - sent
            if (event.type == self.damage_event and event.drawable.id == window.id
                    and event.area.y < console_bottom):
                last = arrived


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def measure(watcher, program, turns, environment):
    # Every start is a story's first: no autosave of the runs before to resume.
    shutil.rmtree(environment["XDG_DATA_HOME"], ignore_errors=True)
    started = time.perf_counter()
    process = subprocess.Popen(program.argv, env=environment, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        window, first = watcher.first_drawn_window(started)
        time.sleep(0.3)  # the window settles: its first paints and the caret's first blink
        console_bottom = watcher.focus(window)
        latencies = [watcher.typed_turn(window, program.command, console_bottom)
                     for _ in range(turns)]
        return first, latencies, peak_kib(process.pid)
    finally:
        process.kill()
        process.wait()
        watcher.drain()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--floor", required=True)
    parser.add_argument("--zuft", required=True)
    parser.add_argument("--story", required=True)
    parser.add_argument("--big-story", help="a story whose word 'печать' prints 20,000 lines")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--turns", type=int, default=10)
    parser.add_argument("--json")
    args = parser.parse_args()

    server, name = start_xvfb()
    home = tempfile.TemporaryDirectory()
    environment = dict(os.environ, DISPLAY=name, QT_QPA_PLATFORM="xcb", HOME=home.name,
                       XDG_CONFIG_HOME=home.name, XDG_RUNTIME_DIR=home.name,
                       XDG_DATA_HOME=os.path.join(home.name, "data"))
    programs = [Program("qt-floor", [args.floor], "look"),
                Program("zuft", [args.zuft, args.story], "осм")]
    if args.big_story:
        programs.append(Program("zuft-20000-lines", [args.zuft, args.big_story], "печать"))
    results = {p.name: {"first_window_ms": [], "turn_ms": [], "peak_kib": []} for p in programs}
    try:
        watcher = Watcher(name)
        for program in programs:  # a first start of each warms the disk cache; not counted
            measure(watcher, program, 1, environment)
        for run in range(args.runs):
            for program in programs[run % len(programs):] + programs[:run % len(programs)]:
                first, latencies, peak = measure(watcher, program, args.turns, environment)
                figures = results[program.name]
                figures["first_window_ms"].append(first * 1000)
                figures["turn_ms"].extend(t * 1000 for t in latencies)
                figures["peak_kib"].append(peak)
    finally:
        server.terminate()
        server.wait()

    for program, figures in results.items():
        print(f"{program:18} first window {statistics.median(figures['first_window_ms']):7.1f} ms"
              f"   turn {statistics.median(figures['turn_ms']):7.2f} ms"
              f"   peak {max(figures['peak_kib']) / 1024:5.1f} MiB")
    if args.json:
        with open(args.json, "w") as out:
            json.dump(results, out, indent=1)


if __name__ == "__main__":
    main()
