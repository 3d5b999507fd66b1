#!/usr/bin/env python3
"""Fails when a source file includes a header from a layer above its own.

Layers, lowest first: render < imageio < mosaic < framework < photowindow,
mosaicwindow < app. The two window folders stand side by side and never
include each other; cli uses the libraries (render, imageio, mosaic) only.
Every project include names its folder, so the check needs no search path.
The window layers share no globals (what a window needs is handed to it),
and framework/, whose host interface every window reaches the program
through, names no render/ type.
"""
import pathlib
import re
import sys

RANK = {"render": 0, "imageio": 1, "mosaic": 2, "framework": 3,
        "photowindow": 4, "mosaicwindow": 4, "app": 5}
MAY_INCLUDE = {
    folder: {other for other, rank in RANK.items()
             if rank < RANK[folder] or other == folder}
    for folder in RANK
}
MAY_INCLUDE["cli"] = {"render", "imageio", "mosaic", "cli"}
MAY_INCLUDE["framework"].discard("render")

WINDOW_LAYERS = ("framework", "photowindow", "mosaicwindow", "app")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
GLOBAL = re.compile(r'^\s*extern\s+(?!"C")[^;(]*;', re.MULTILINE)


def problems(root):
    for folder, allowed in sorted(MAY_INCLUDE.items()):
        for source in sorted((root / folder).rglob("*")):
            if source.suffix not in (".h", ".cpp"):
                continue
            where = source.relative_to(root)
            for header in INCLUDE.findall(source.read_text(errors="replace")):
                top = header.split("/")[0] if "/" in header else None
                if top is None:
                    yield f"{where}: #include \"{header}\" does not name its folder"
                elif folder == "framework" and top == "render":
                    yield f"{where}: #include \"{header}\": the host layer names no render/ type"
                elif top not in allowed:
                    yield f"{where}: #include \"{header}\" reaches up to {top}/"
            if folder in WINDOW_LAYERS:
                for declaration in GLOBAL.findall(source.read_text(errors="replace")):
                    yield f"{where}: {declaration.strip()} declares a global"


def self_test():
    """The check itself must catch each kind of fault, or a green run means nothing."""
    import tempfile
    cases = {
        "render/Pass.cpp": ('#include "imageio/PhotoDecoding.h"', "reaches up to imageio/"),
        "framework/View.h": ('#include "app/Application.h"', "reaches up to app/"),
        "photowindow/View.cpp": ('#include "mosaicwindow/MosaicView.h"', "reaches up"),
        "cli/Run.cpp": ('#include "framework/View.h"', "reaches up to framework/"),
        "mosaic/Scan.cpp": ('#include "ImageDiscovery.h"', "does not name its folder"),
        "app/Main.cpp": ('#include "photowindow/PhotoView.h"', None),
        "framework/Host.h": ('#include "render/RenderParameters.h"', "names no render/ type"),
        "photowindow/Shared.h": ("extern int theRenderer;", "declares a global"),
        "mosaic/Tables.h": ("extern const int kTable[4];", None),
    }
    with tempfile.TemporaryDirectory() as scratch:
        root = pathlib.Path(scratch)
        for folder in MAY_INCLUDE:
            (root / folder).mkdir()
        for path, (line, _) in cases.items():
            (root / path).write_text(line + "\n")
        found = list(problems(root))
    failures = 0
    for path, (_, expected) in cases.items():
        hits = [p for p in found if p.startswith(path + ":")]
        if (expected is None) != (not hits) or (expected and expected not in hits[0]):
            print(f"self-test: {path} gave {hits}, expected {expected!r}")
            failures += 1
    return failures


def main():
    if self_test():
        return 1
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    missing = [f for f in MAY_INCLUDE if not (root / f).is_dir()]
    if missing:
        print("no such folders:", ", ".join(missing))
        return 1
    found = list(problems(root))
    for line in found:
        print(line)
    print(f"{len(found)} include(s) break the layers")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
