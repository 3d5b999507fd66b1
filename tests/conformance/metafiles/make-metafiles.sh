#!/usr/bin/env bash
# Remakes the metafiles beside this script from public drawings in Debian
# packages, with Inkscape's own EMF and WMF writers (Debian's inkscape,
# 1.2.2 when they were made). The conformance suite compares each metafile,
# as the program draws it, with its SVG drawn by rsvg-convert.
set -euo pipefail
cd "$(dirname "$0")"

# name, then where Debian installs it (package: licence)
sources=(
  # inkscape: GPL-2+; the Ghostscript tiger (fills and strokes)
  tiger.svgz /usr/share/inkscape/examples/tiger.svgz
  # inkscape: GPL-2+; a PNG carried in the drawing, and text
  data_uri.svg /usr/share/inkscape/examples/data_uri.svg
  # libwacom-common: MIT; a tablet's layout (thin strokes, rounded boxes, text)
  bamboo-pad.svg /usr/share/libwacom/layouts/bamboo-pad.svg
)

for ((i = 0; i < ${#sources[@]}; i += 2)); do
  name=${sources[i]}
  case $name in
  # The tiger's page is 100% wide, which Inkscape and librsvg read apart:
  # it is given the width its page is drawn at, A4's.
  tiger.svgz) zcat "${sources[i + 1]}" | sed 's/width="100%"/width="210mm"/' | gzip -n -9 >"$name" ;;
  *) cp "${sources[i + 1]}" "$name" ;;
  esac
  for type in emf wmf; do
    inkscape "$name" --export-type="$type" --export-filename="${name%.*}.$type" 2>/dev/null
  done
done

# pstoedit's EMF (through libEMF, with its -OO option) of a small PostScript
# drawing: a red box crossed by a blue line.
pstoedit -q -f "emf:-OO" ../pstoedit/box.ps ../pstoedit/box.emf
