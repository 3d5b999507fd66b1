#!/bin/sh
# A first Mosaic build on one core against vipsthumbnail on one core, over
# real JPEGs without EXIF thumbnails: the wallpapers of Debian's MATE and
# Plasma packages (photos and artwork, 1920 to 5640 pixels wide, some
# progressive), split into baseline and progressive files. Each side runs
# ROUNDS times, taking turns.
#   bench/wallpaper-thumbnails.sh [build-dir] [rounds]
set -eu
build=${1:-build}
rounds=${2:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$work"
apt-get download mate-backgrounds plasma-workspace-wallpapers >/dev/null
for package in ./*.deb; do
    dpkg-deb -x "$package" unpacked
done
mkdir baseline progressive
n=0
find unpacked -iname '*.jpg' | sort | while read -r photo; do
    set -- $(identify -format '%w %[interlace]\n' "$photo[0]" 2>/dev/null | head -n 1)
    [ "${1:-0}" -ge 1900 ] || continue
    n=$((n + 1))
    kind=baseline
    [ "${2:-}" = JPEG ] && kind=progressive
    ln -s "$work/$photo" "$kind/$n-$(basename "$photo")"
done
cd - >/dev/null

for kind in baseline progressive; do
    echo "$kind: $(ls "$work/$kind" | wc -l) photos"
    round=1
    while [ $round -le "$rounds" ]; do
        KOLVIRA_BENCH_PHOTOS="$work/$kind" taskset -c 1 "$build/bin/kolvira-bench" \
            --benchmark_filter='BM_MosaicBuild/1/100/0' --benchmark_min_time=0.1 2>/dev/null |
            awk '/BM_MosaicBuild/ { print "  kolvira", $2, $3 }'
        rm -rf "$work/out" && mkdir "$work/out"
        start=$(date +%s.%N)
        VIPS_CONCURRENCY=1 taskset -c 1 vipsthumbnail "$work/$kind"/*.jpg -s 100x200 \
            -o "$work/out/%s.jpg" 2>/dev/null
        echo "  vipsthumbnail $(echo "($(date +%s.%N) - $start) * 1000" | bc | cut -d. -f1) ms"
        round=$((round + 1))
    done
done
