#!/usr/bin/env python3
"""Draws which folder includes which (docs/include-graph.svg, with Graphviz).

Each edge is labelled with the number of includes behind it; the layering
test (tests/layering/check_layers.py) keeps every edge pointing down.
"""
import collections
import pathlib
import re
import subprocess
import sys

FOLDERS = ["app", "cli", "photowindow", "mosaicwindow", "framework", "mosaic", "imageio",
           "render"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/', re.MULTILINE)

root = pathlib.Path(__file__).resolve().parent.parent
edges = collections.Counter()
for folder in FOLDERS:
    for source in (root / folder).rglob("*"):
        if source.suffix in (".h", ".cpp"):
            for target in INCLUDE.findall(source.read_text(errors="replace")):
                if target != folder and target in FOLDERS:
                    edges[(folder, target)] += 1

lines = ["digraph layers {", "  rankdir=TB; node [shape=box, fontname=Helvetica];"]
lines += [f'  "{a}" -> "{b}" [label="{n}"];' for (a, b), n in sorted(edges.items())]
lines.append("}")
dot = "\n".join(lines) + "\n"
output = root / "docs" / "include-graph.svg"
try:
    svg = subprocess.run(["dot", "-Tsvg"], input=dot, capture_output=True, text=True,
                         check=True).stdout
except FileNotFoundError:
    sys.exit("Graphviz's dot is not installed (apt-get install graphviz)")
output.write_text(svg)
print(f"wrote {output.relative_to(root)}")
