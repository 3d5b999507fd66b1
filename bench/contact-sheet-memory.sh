#!/bin/sh
# Peak memory and wall time of kolvira-render --contact-sheet over folders of
# 1,000 and 10,000 photos (links to four 12-megapixel JPEGs), at 100- and
# 200-pixel cells, printed at 600 DPI.
#   bench/contact-sheet-memory.sh [kolvira-render] [counts...]
set -eu
program=${1:-build/bin/kolvira-render}
[ $# -gt 0 ] && shift
counts=${*:-1000 10000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CACHE_HOME="$work/cache"

/usr/bin/python3 - "$work" <<'PY'
import sys, random
from PIL import Image, ImageFilter
for k in range(4):
    random.seed(k)
    noise = Image.effect_noise((4000, 3000), 40 + 10 * k).convert("RGB")
    base = Image.linear_gradient("L").resize((4000, 3000)).convert("RGB")
    Image.blend(base, noise, 0.4).save(f"{sys.argv[1]}/photo{k}.jpg", quality=90)
PY

printf '%8s %6s %10s %8s %10s\n' photos width peak_MB seconds pdf_MB
for count in $counts; do
    folder="$work/photos$count"
    mkdir "$folder"
    i=0
    while [ $i -lt "$count" ]; do
        ln -s "$work/photo$((i % 4)).jpg" "$(printf '%s/IMG_%05d.jpg' "$folder" $i)"
        i=$((i + 1))
    done
    for width in 100 200; do
        /usr/bin/time -f '%M %e' -o "$work/time" "$program" --quiet --no-thumbnail-cache \
            --contact-sheet "$folder" -o "$work/sheet.pdf" --thumb-width "$width" || true
        read -r kb seconds <"$work/time"
        printf '%8d %6d %10d %8s %10d\n' "$count" "$width" $((kb / 1024)) "$seconds" \
            $(($(stat -c %s "$work/sheet.pdf") / 1048576))
        rm -f "$work/sheet.pdf"
    done
    rm -rf "$folder"
done
