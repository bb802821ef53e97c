#!/usr/bin/python3
"""Lighthouse's scores of the served page, in chromium, with its phone and its desktop presets:
performance, accessibility and best practices. Targets: performance at least 90, accessibility
and best practices 100.

usage: page_scores.py WEB_BUILD LIGHTHOUSE_FOLDER JSON_OUT
LIGHTHOUSE_FOLDER holds bench/page-scores/package.json and its lock, installed with npm ci.
Prints Markdown rows of the benchmark table.
"""
import json
import os
import pathlib
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests/web"))
from chromium import served  # noqa: E402

WEB, TOOLS, OUT = map(pathlib.Path, sys.argv[1:4])
CATEGORIES = {"performance": "performance", "accessibility": "accessibility",
              "best-practices": "best practices"}


def scores(url, preset):
    report = OUT.with_suffix(f".{preset}.json")
    flags = [] if preset == "phone" else ["--preset=desktop"]
    subprocess.run(["node", str(TOOLS / "node_modules/lighthouse/cli/index.js"), url, "--quiet",
                    "--output=json", f"--output-path={report}", "--chrome-flags=--headless=new "
                    "--no-sandbox", "--only-categories=" + ",".join(CATEGORIES), *flags],
                   check=True, env={**os.environ, "CHROME_PATH": "/usr/bin/chromium"})
    categories = json.loads(report.read_text())["categories"]
    return {name: round(categories[name]["score"] * 100) for name in CATEGORIES}


with served(WEB) as (url, _):
    found = {preset: scores(url, preset) for preset in ("phone", "desktop")}
OUT.write_text(json.dumps(found))
for preset, figures in found.items():
    for name, label in CATEGORIES.items():
        target = 90 if name == "performance" else 100
        met = figures[name] >= target
        print(f"| Web page, Lighthouse {label} ({preset}) | {figures[name]} | ≥ {target} | "
              f"{'yes' if met else 'NO'} |")
