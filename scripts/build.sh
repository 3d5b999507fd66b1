#!/usr/bin/env bash
# Configures (Release) and builds everything into build/; binaries land in build/bin/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
source scripts/compiler-cache.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" "${compiler_cache[@]}" \
  -DKOLVIRA_WARNINGS_AS_ERRORS="${KOLVIRA_WARNINGS_AS_ERRORS:-OFF}" >/dev/null
cmake --build build --parallel "$(nproc)"
