#!/bin/sh
# The Mosaic window's peak memory over a folder of COUNT progressive JPEGs:
# the wallpapers of Debian's MATE and Plasma packages at least 1900 pixels
# wide made progressive with jpegtran, linked over and over, beside the same
# links to the baseline originals. Each build runs offscreen in a process of
# its own with empty shared thumbnails (kolvira-mosaic-bench --case), which
# prints "<seconds> <peak RSS MiB> <longest stall ms> <entries>".
#   bench/progressive-memory.sh [build-dir] [count]
set -eu
build=${1:-build}
count=${2:-2000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$work"
apt-get download mate-backgrounds plasma-workspace-wallpapers >/dev/null 2>&1
for package in ./*.deb; do
    dpkg-deb -x "$package" unpacked
done
mkdir baseline progressive
n=0
for photo in $(find unpacked -iname '*.jpg' | sort); do
    set -- $(identify -format '%w %[interlace]\n' "$photo[0]" 2>/dev/null | head -n 1)
    [ "${1:-0}" -ge 1900 ] || continue
    n=$((n + 1))
    jpegtran -progressive -copy all "$photo" >"progressive/$n.jpg"
    jpegtran -optimize -copy all "$photo" >"baseline/$n.jpg"
done
for kind in baseline progressive; do
    mkdir "links-$kind"
    k=0
    while [ $k -lt "$count" ]; do
        ln -s "$work/$kind/$((k % n + 1)).jpg" "links-$kind/$(printf 'p%06d' $k).jpg"
        k=$((k + 1))
    done
done
cd - >/dev/null

echo "$n wallpapers, $count links each"
for kind in baseline progressive; do
    rm -rf "$work/cache"
    set -- $(XDG_CACHE_HOME="$work/cache" "$build/bin/kolvira-mosaic-bench" --case "$work/links-$kind")
    echo "$kind: $1 s, peak RSS $2 MiB, longest stall $3 ms, $4 entries"
done
