#!/usr/bin/env bash
# Builds Kolvira and starts it. Until the desktop program lands, this shows
# how to use the batch renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
if [ -x build/bin/kolvira ]; then
  exec build/bin/kolvira "$@"
fi
exec build/bin/kolvira-render --help
