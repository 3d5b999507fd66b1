#!/usr/bin/env python3
"""Draws which folder includes which (docs/include-graph.svg, with Graphviz).

Each edge is labelled with the number of includes behind it; the layering
test (tests/layering/check_layers.py) keeps every edge pointing down. A
library with subfolders (imageio/formats, imageio/colour ...) is drawn as a
box of its parts, with the includes that reach each part from other folders. With --check it writes nothing and fails when the drawing
in docs/ is not the one the sources make, so that it cannot go stale.
"""
import collections
import pathlib
import re
import subprocess
import sys

FOLDERS = ["app", "cli", "photowindow", "mosaicwindow", "framework", "mosaic", "imageio",
           "render"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+(?:/[a-z]+)*)/[A-Za-z0-9_]+\.h"', re.MULTILINE)

root = pathlib.Path(__file__).resolve().parent.parent


def part_of(path: str) -> str:
    """The node a source or include path belongs to: its folder, and its
    subfolder if the library is split into some."""
    pieces = path.split("/")
    if len(pieces) > 1 and (root / pieces[0] / pieces[1]).is_dir():
        return f"{pieces[0]}/{pieces[1]}"
    return pieces[0]


edges = collections.Counter()
parts = collections.defaultdict(set)
for folder in FOLDERS:
    for source in sorted((root / folder).rglob("*")):
        if source.suffix not in (".h", ".cpp"):
            continue
        here = part_of(str(source.relative_to(root).parent))
        parts[folder].add(here)
        for target_folder in INCLUDE.findall(source.read_text(errors="replace")):
            target = part_of(target_folder)
            # Inside one library its parts may use each other; the drawing
            # shows which part of a library another library reaches.
            if target.split("/")[0] != folder and target.split("/")[0] in FOLDERS:
                edges[(here, target)] += 1

lines = ["digraph layers {",
         "  rankdir=TB; compound=true; node [shape=box, fontname=Helvetica];"]
for folder in FOLDERS:
    if len(parts[folder]) > 1:
        lines.append(f'  subgraph "cluster_{folder}" {{ label="{folder}/"; fontname=Helvetica;')
        lines += [f'    "{p}" [label="{p.split("/")[-1]}"];'
                  for p in sorted(parts[folder])]
        lines.append("  }")
lines += [f'  "{a}" -> "{b}" [label="{n}"];' for (a, b), n in sorted(edges.items())]
lines.append("}")
dot = "\n".join(lines) + "\n"
output = root / "docs" / "include-graph.svg"
try:
    svg = subprocess.run(["dot", "-Tsvg"], input=dot, capture_output=True, text=True,
                         check=True).stdout
except FileNotFoundError:
    sys.exit("Graphviz's dot is not installed (apt-get install graphviz)")
if "--check" in sys.argv[1:]:
    if not output.exists() or output.read_text() != svg:
        sys.exit(f"{output.relative_to(root)} is stale: run scripts/include-graph.py")
    print(f"{output.relative_to(root)} is current")
else:
    output.write_text(svg)
    print(f"wrote {output.relative_to(root)}")
