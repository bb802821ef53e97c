#!/usr/bin/python3
"""Drives terminal interpreters through a pseudo-terminal, the way a player's terminal does.

For each program: the time from starting it to the end of its opening text and prompt, and,
over ten turns, the time from Enter to the end of the answer and the next prompt. The programs
take turns run by run, so that a change in the machine's load touches them all alike.

usage: pty_compare.py --zuft-cli PATH --zuft-story PATH --zcode PATH --glulx PATH
                      [--runs N] [--turns N] [--json OUT]
"""

import argparse
import fcntl
import json
import os
import pty
import select
import signal
import statistics
import struct
import termios
import time

TIMEOUT = 10.0  # seconds without any output: the program is stuck
QUIET = 0.2  # seconds of silence after which the program is taken to wait for the player


class Program:
    def __init__(self, name, argv, command):
        self.name = name
        self.argv = argv
        self.command = command  # what the player types each turn


def spawn(argv):
    pid, fd = pty.fork()
    if pid == 0:
        # A terminal of the usual size, set before the program looks at it.
        fcntl.ioctl(0, termios.TIOCSWINSZ, struct.pack("HHHH", 24, 80, 0, 0))
        os.environ["TERM"] = "xterm"
        os.execv(argv[0], argv)
    return pid, fd


def wait_until_quiet(fd):
    """Reads until the program has said nothing for QUIET seconds; returns when its last output
    arrived. A full-screen program redraws only what changed on the screen, so the text itself
    cannot tell when a turn is over, but silence can: the program waits for the player."""
    last = None
    deadline = time.monotonic() + TIMEOUT
    while True:
        ready, _, _ = select.select([fd], [], [], QUIET)
        if not ready:
            if last is not None:
                return last
            if time.monotonic() > deadline:
                raise TimeoutError("no output")
            continue
        chunk = os.read(fd, 65536)
        if not chunk:
            raise EOFError("the program ended")
        last = time.perf_counter()


def play(program, turns):
    start = time.perf_counter()
    pid, fd = spawn(program.argv)
    try:
        first = wait_until_quiet(fd) - start
        latencies = []
        for _ in range(turns):
            # The typed word first, so that its echo is over before Enter is timed.
            os.write(fd, program.command)
            wait_until_quiet(fd)
            sent = time.perf_counter()
            os.write(fd, b"\r")
            latencies.append(wait_until_quiet(fd) - sent)
        return first, latencies
    finally:
        os.kill(pid, signal.SIGKILL)
        os.waitpid(pid, 0)
        os.close(fd)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--zuft-cli", required=True)
    parser.add_argument("--zuft-story", required=True)
    parser.add_argument("--zcode", required=True)
    parser.add_argument("--glulx", required=True)
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--turns", type=int, default=10)
    parser.add_argument("--json")
    args = parser.parse_args()

    programs = [
        Program("dfrotz", ["/usr/games/dfrotz", "-q", args.zcode], b"look"),
        Program("glulxe", ["/usr/games/glulxe", args.glulx], b"look"),
        Program("zuft-cli", [args.zuft_cli, args.zuft_story], "осм".encode()),
    ]
    results = {p.name: {"first_output_ms": [], "turn_ms": []} for p in programs}
    for run in range(args.runs):
        # Each run starts with another program, so none always goes first.
        lead = run % len(programs)
        for program in programs[lead:] + programs[:lead]:
            first, latencies = play(program, args.turns)
            results[program.name]["first_output_ms"].append(first * 1000)
            results[program.name]["turn_ms"].extend(t * 1000 for t in latencies)

    for name, figures in results.items():
        print(f"{name:13} first output {statistics.median(figures['first_output_ms']):7.2f} ms"
              f"   turn {statistics.median(figures['turn_ms']):6.3f} ms (medians)")
    if args.json:
        with open(args.json, "w") as out:
            json.dump(results, out, indent=1)


if __name__ == "__main__":
    main()
