#!/usr/bin/env bash
# Builds and runs the tests under AddressSanitizer with UndefinedBehaviorSanitizer,
# and the render tests (the threaded code) under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVIRA_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
  >/dev/null
cmake --build build-asan --parallel "$(nproc)"
ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"

cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVIRA_BUILD_BENCH=OFF \
  -DKOLVIRA_BUILD_QT=OFF -DCMAKE_CXX_FLAGS="-fsanitize=thread" >/dev/null
cmake --build build-tsan --parallel "$(nproc)"
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure --parallel "$(nproc)"
