#!/usr/bin/env python3
"""Fails when an include of the program's own headers breaks the layering.

Every header under src/ is included by its path from src/, so the include names
its layer ("core/frame/CommandTable.h", "gui/platform/WindowSystem.h"). The
layers go core, profile, gui; a layer includes only itself and those before it.
Inside core and gui the folders are ordered as the README's layout table lists
them, and a folder includes only itself and the folders before it, which also
rules out cycles. Exit status 1 with one line per offending include.
"""
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
SRC = os.path.join(ROOT, "src")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)

LAYERS = ["core", "profile", "gui"]
FOLDERS = {
    "core": ["text", "find", "files", "app", "settings", "links", "tasks", "pages", "lists",
             "commands", "integration", "frame", "startup"],
    "gui": ["common", "platform", "links", "tasks", "integration", "views", "webengine",
            "settings", "frame", "app"],
}


def place(path):
    """(layer, folder) of a file under src/; folder is None outside core and gui."""
    parts = os.path.relpath(path, SRC).split(os.sep)
    layer = parts[0]
    folder = parts[1] if layer in FOLDERS and len(parts) > 2 else None
    return layer, folder


def problem(source, header):
    """Why source may not include header, or None."""
    if not os.path.isfile(os.path.join(SRC, header)):
        if os.path.isfile(os.path.normpath(os.path.join(os.path.dirname(source), header))):
            near = os.path.normpath(os.path.join(os.path.dirname(source), header))
            if near.startswith(SRC + os.sep):
                return f'name its layer: "{os.path.relpath(near, SRC)}"'
        return None  # a test's own helper, generated moc output or a system header
    if not source.startswith(SRC + os.sep):
        return None  # tests, fuzz targets and benchmarks reach every layer
    from_layer, from_folder = place(source)
    to_layer, to_folder = place(os.path.join(SRC, header))
    if from_layer not in LAYERS:
        return None  # the programs (main.cpp, the link host) sit on top of all layers
    if to_layer not in LAYERS or LAYERS.index(to_layer) > LAYERS.index(from_layer):
        return f"{from_layer} comes before {to_layer}"
    if from_layer != to_layer or from_folder is None or to_folder is None:
        return None
    order = FOLDERS[from_layer]
    for folder in (from_folder, to_folder):
        if folder not in order:
            return f"{from_layer}/{folder} is missing from this script's folder order"
    if order.index(to_folder) > order.index(from_folder):
        return f"{from_layer}/{from_folder} comes before {from_layer}/{to_folder}"
    return None


def main():
    found = 0
    for top in ("src", "tests", "fuzz", "bench"):
        for base, _, names in os.walk(os.path.join(ROOT, top)):
            for name in sorted(names):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(base, name)
                with open(path, encoding="utf-8", errors="replace") as source:
                    text = source.read()
                for header in INCLUDE.findall(text):
                    why = problem(path, header)
                    if why:
                        found += 1
                        print(f"{os.path.relpath(path, ROOT)}: #include \"{header}\": {why}")
    if not found:
        print("Every include names its layer and follows the layers' order.")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
