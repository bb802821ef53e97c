#!/usr/bin/python3
"""The web page's turn in a long game: the time from Enter to the page drawn and the turn kept
in the browser, in headless chromium, in a game of 1,000 turns and in one of 100,000 (brought
back from a save), and how far apart they are. Target: at most 1.5 times.

usage: page_turns.py WEB_BUILD STORY JSON_OUT
Prints one Markdown row of the benchmark table, to follow the table bench/table.py prints.
"""
import json
import pathlib
import statistics
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests/web"))
from chromium import Page, browser, served  # noqa: E402

WEB, STORY, OUT = map(pathlib.Path, sys.argv[1:4])
TURNS = 60
WARM_UP = 10
TARGET = 1.5

# One turn played as a player plays it, timed in the page: Enter, then the page's count of
# finished actions going up.
TIMED_TURN = """
    const done = arguments[0], body = document.body, input = document.getElementById('Input1');
    const before = body.dataset.done, started = performance.now();
    new MutationObserver((_, observer) => {
        if (body.dataset.done !== before) {
            observer.disconnect();
            done(performance.now() - started);
        }
    }).observe(body, {attributes: true});
    input.value = 'осм';
    input.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter', bubbles: true}));"""


def turn_costs(page, folder, turns):
    """Milliseconds of each of TURNS turns, in a game of `turns` turns, after WARM_UP turns
    untimed: the browser settles its storage after the game is kept whole."""
    save = pathlib.Path(folder) / f"{turns}.zsave"
    header = ("zuft-save 1\nstory: " + STORY.name + "\ndigest: 0000000000000000\n"
              "date: 2026-01-01T00:00:00Z\n")
    save.write_text(header + "turn 00000000 осм\n" * turns, encoding="utf-8")
    done = page.done() + 1
    page.find("#SaveFile").send_keys(str(save))
    page.settle(done, seconds=600)
    page.driver.set_script_timeout(60)
    costs = [page.driver.execute_async_script(TIMED_TURN) for _ in range(WARM_UP + TURNS)]
    return costs[WARM_UP:]


with served(WEB) as (url, _), browser() as driver, tempfile.TemporaryDirectory() as folder:
    page = Page(driver)
    driver.get(url)
    page.settle()
    page.act("#fs", str(STORY.resolve()))
    short = statistics.median(turn_costs(page, folder, 1_000))
    long = statistics.median(turn_costs(page, folder, 100_000))
ratio = long / short
OUT.write_text(json.dumps({"turn_ms_at_1000": short, "turn_ms_at_100000": long,
                           "ratio": ratio}))
print(f"| Web page: a turn at 1,000 and at 100,000 turns (chromium) | {short:.1f} ms, "
      f"{long:.1f} ms: {ratio:.2f}× | ≤ {TARGET}× | {'yes' if ratio <= TARGET else 'NO'} |")
