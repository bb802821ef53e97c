#!/usr/bin/env python3
"""Fails when a file reaches across the floors: the core (files, world, engine, player, game)
never sees a toolkit or a host, the world never sees the engine, no host and not the story
checker reaches into the running story, and the launcher knows nothing of the game window. Usage: check-includes.py ROOT"""

import pathlib
import re
import sys

CORE = {"io", "world", "engine", "player", "game"}
HOSTS = {"qt", "ui", "launcher", "app", "web"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def trouble(folder, name, quoted, header):
    """Why the file `name` in `folder` may not include `header`, or None."""
    if not quoted:
        if folder in CORE and re.match(r"Q[A-Za-z]*$", header.split("/")[0]):
            return "the core draws no window"
        return None
    target = header.split("/")[0] if "/" in header else folder
    path = header if "/" in header else f"{folder}/{header}"
    if folder in CORE and target in HOSTS:
        return "the core knows no host"
    if folder == "io" and target in CORE - {"io"}:
        return "files are the lowest floor"
    if folder == "world" and target == "engine":
        return "the world knows no engine"
    if folder in HOSTS and path == "engine/Story.h":
        return "a host plays through the game, not the running story"
    if name.startswith("StoryChecker.") and path == "engine/Story.h":
        return "the checker shares the command table, not the running story"
    if folder == "launcher" and target == "ui":
        return "the launcher hands its story on and knows no game window"
    return None


def main():
    root = pathlib.Path(sys.argv[1])
    found = []
    for folder in sorted(CORE | HOSTS):
        for source in sorted((root / folder).rglob("*")):
            if source.suffix not in {".h", ".cpp"}:
                continue
            for quote, header in INCLUDE.findall(source.read_text(encoding="utf-8")):
                why = trouble(folder, source.name, quote == '"', header)
                if why:
                    found.append(f"{source.relative_to(root)}: {header}: {why}")
    print("\n".join(found) or "every include stays on its floor")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
