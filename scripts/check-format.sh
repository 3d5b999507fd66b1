#!/usr/bin/env bash
# Fails when a C++ source is not laid out as .clang-format says; prints the
# files to run `clang-format -i` on.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(find app bench cli framework fuzz imageio mosaic mosaicwindow photowindow \
  render tests \( -name '*.cpp' -o -name '*.h' \) -type f | sort)
if ! clang-format --dry-run -Werror "${sources[@]}" 2>/tmp/kolvira-format.$$; then
  grep -o '^[^: ]*\.\(cpp\|h\):[0-9]*:[0-9]*: ' /tmp/kolvira-format.$$ | cut -d: -f1 | sort -u |
    sed 's/^/not formatted: /' >&2
  rm -f /tmp/kolvira-format.$$
  exit 1
fi
rm -f /tmp/kolvira-format.$$
echo "${#sources[@]} sources formatted"
