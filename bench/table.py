#!/usr/bin/python3
"""Reads what bench/run measured and prints one Markdown table: each figure, its target, and
whether this machine met it.

usage: table.py RESULTS_DIR
       table.py --long-games RESULTS_DIR   only the rows of long games (bench/run long-games)
"""

import json
import os
import re
import statistics
import sys

MIB = 1024 * 1024


def engine_medians(path):
    """Google Benchmark's JSON: the median of each benchmark's repetitions, in its time unit, or
    the error that stopped the benchmark."""
    with open(path) as source:
        report = json.load(source)
    medians = {}
    for row in report["benchmarks"]:
        if row.get("aggregate_name") == "median" or row.get("error_occurred"):
            medians[row["run_name"]] = row
    return medians


class Failed(Exception):
    """A benchmark that stopped with an error: the error takes the place of its figure."""


def milliseconds(row):
    if row.get("error_occurred"):
        raise Failed(f"{row['run_name']}: {row['error_message']}")
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[row["time_unit"]]
    return row["real_time"] * scale


def peak_of(path):
    """Peak resident memory (KiB) from one /usr/bin/time -v report."""
    with open(path) as source:
        text = source.read()
    return int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", text).group(1))


def verdict(met):
    return "yes" if met else "**no**"


def long_game_rows(engine, window):
    """A turn at the 1,000th and at the 100,000th turn in each host, and an undo at the
    100,000th."""
    rows = []
    for label, medians, name, scale, unit in (
            ("zuft-cli: the game, the terminal's console and its line editor", engine,
             "BM_TerminalTurnInLongGame/{}/iterations:256", 1000, "µs"),
            ("the game window, Enter to drawn (offscreen)", window,
             "BM_WindowTurnInLongGame/{}/0/iterations:256", 1, "ms"),
            ("the game window with «История игры» open, Enter to drawn (offscreen)", window,
             "BM_WindowTurnInLongGame/{}/1/iterations:256", 1, "ms")):
        label = f"A turn in a game of 1,000 and of 100,000 turns, {label}"
        try:
            small = milliseconds(medians[name.format(1000)]) * scale
            large = milliseconds(medians[name.format(100000)]) * scale
            rows.append((label, f"{small:.2f} {unit}, {large:.2f} {unit}: {large / small:.2f}×",
                         "≤ 1.5×", large / small <= 1.5))
        except (Failed, KeyError) as failure:
            rows.append((label, f"stopped: {failure}", "≤ 1.5×", False))
    undo = milliseconds(engine["BM_UndoInLongGame/100000"])
    rows.append(("Undoing a turn in a game of 100,000 turns", f"{undo:.1f} ms", "< 50 ms",
                 undo < 50))
    return rows


def print_table(rows):
    print("| Measurement | This machine | Target | Met |")
    print("|---|---|---|---|")
    for measurement, result, target, met in rows:
        print(f"| {measurement} | {result} | {target} | {verdict(met)} |")


def main():
    if sys.argv[1] == "--long-games":
        results = sys.argv[2]
        print_table(long_game_rows(engine_medians(os.path.join(results, "engine.json")),
                                   engine_medians(os.path.join(results, "window-console.json"))))
        return
    results = sys.argv[1]
    engine = engine_medians(os.path.join(results, "engine.json"))
    window = engine_medians(os.path.join(results, "window-console.json"))
    with open(os.path.join(results, "terminal.json")) as source:
        terminal = json.load(source)
    with open(os.path.join(results, "window.json")) as source:
        gui = json.load(source)
    rows = []

    baseline = milliseconds(engine["BM_LoadBaseline"])
    load = milliseconds(engine["BM_LoadFile"])
    rows.append(("Loading the longest story (32,766 lines): LoadFile with its first run, against "
                 "reading and decoding the file",
                 f"{load:.2f} ms / {baseline:.2f} ms = {load / baseline:.2f}×", "≤ 4×",
                 load / baseline <= 4))

    for name, medians, prefix in (
            ("a console in memory", engine, "BM_PrintLines"),
            ("the game window's console, offscreen", window, "BM_WindowPrintLines")):
        label = f"Output, a turn printing 10,000 and 100,000 lines into {name}"
        try:
            small = milliseconds(medians[f"{prefix}/10000"])
            large = milliseconds(medians[f"{prefix}/100000"])
            rows.append((label, f"{small:.1f} ms, {large:.1f} ms: {large / small:.1f}×", "≤ 12×",
                         large / small <= 12))
        except Failed as failure:
            rows.append((label, f"stopped: {failure}", "≤ 12×", False))

    big = statistics.median(gui["zuft-20000-lines"]["turn_ms"])
    rows.append(("A turn printing 20,000 lines, Enter to the game window drawn (Xvfb)",
                 f"{big:.1f} ms", "< 500 ms", big < 500))

    turn = milliseconds(engine["BM_Turn"]) * 1000
    rows.append(("A turn in the largest world (engine)", f"{turn:.1f} µs", "< 20 µs", turn < 20))

    jumps = engine["BM_NestedJumps"]
    rows.append(("1,000 nested jumps: stack per nested run (at the 2,000-run limit)",
                 f"{jumps['stack_bytes_per_run']:.0f} bytes ({jumps['stack_KiB_at_limit']:.0f} KiB)"
                 f", {milliseconds(jumps):.2f} ms", "completes", not jumps.get("error_occurred")))

    def terminal_median(program, figure):
        return statistics.median(terminal[program][figure])

    for figure, label, digits in (("first_output_ms", "time to the first prompt", 2),
                                  ("turn_ms", "Enter to the next prompt", 3)):
        zuft = terminal_median("zuft-cli", figure)
        others = {p: terminal_median(p, figure) for p in ("dfrotz", "glulxe")}
        fastest = min(others.values())
        shown = ", ".join(f"{p} {v:.{digits}f} ms" for p, v in others.items())
        rows.append((f"Terminal, {label} (pseudo-terminal)",
                     f"zuft-cli {zuft:.{digits}f} ms; {shown}",
                     "≤ the fastest", zuft <= fastest))

    with open(os.path.join(results, "piped-seconds")) as source:
        piped = statistics.median(float(line) for line in source) * 1000
    rows.append(("zuft-cli, 10,000 turns from a pipe (whole run)", f"{piped:.0f} ms",
                 "≤ 25 ms", piped <= 25))

    with open(os.path.join(results, "start-up-seconds")) as source:
        elapsed = statistics.median(float(line) for line in source) * 1000
    for story, prefix, label, took in (
            ("maximum.teg", "time-v.", "the longest story (32,766 lines)", f" ({elapsed:.1f} ms)"),
            ("largest-file.teg", "largest-file-time-v.", "the largest file (64 MiB)", "")):
        peak = max(peak_of(os.path.join(results, name)) for name in os.listdir(results)
                   if name.startswith(prefix)) * 1024
        size = os.path.getsize(os.path.join(results, "stories", story))
        limit = 4 * size + 16 * MIB
        rows.append((f"zuft-cli on {label}, empty input: peak memory (whole run)",
                     f"{peak / MIB:.1f} MiB{took}",
                     f"< 4 × {size / MIB:.2f} MiB + 16 MiB = {limit / MIB:.1f} MiB",
                     peak < limit))

    for name, label, unit, target in (
            ("BM_RestoreLongGame", "Restoring a game of 10,000 turns (largest world)", "ms", 100),
            ("BM_UndoInLongGame/10000", "Undoing a turn in a game of 10,000 turns", "ms", 100),
            ("BM_TurnKeptByAutosave", "A turn with the autosave kept", "µs", 1000)):
        figure = milliseconds(engine[name]) * (1000 if unit == "µs" else 1)
        rows.append((label, f"{figure:.1f} {unit}", f"< {target} {unit}", figure < target))
    rows += long_game_rows(engine, window)

    floor, zuft = gui["qt-floor"], gui["zuft"]
    floor_first = statistics.median(floor["first_window_ms"])
    zuft_first = statistics.median(zuft["first_window_ms"])
    rows.append(("Game window, start to the first window drawn (Xvfb), against the least Qt window",
                 f"{zuft_first:.1f} ms / {floor_first:.1f} ms = {zuft_first / floor_first:.2f}×",
                 "≤ 1.3×", zuft_first / floor_first <= 1.3))
    zuft_peak = max(zuft["peak_kib"]) / 1024
    rows.append(("Game window, peak memory (least Qt window)",
                 f"{zuft_peak:.1f} MiB ({max(floor['peak_kib']) / 1024:.1f} MiB)", "< 40 MiB",
                 zuft_peak < 40))
    floor_turn = statistics.median(floor["turn_ms"])
    zuft_turn = statistics.median(zuft["turn_ms"])
    rows.append(("Game window, typed turn: Enter to the console drawn, against the least Qt window",
                 f"{zuft_turn:.2f} ms / {floor_turn:.2f} ms", "≤ +1 ms",
                 zuft_turn <= floor_turn + 1))

    print_table(rows)


if __name__ == "__main__":
    main()
