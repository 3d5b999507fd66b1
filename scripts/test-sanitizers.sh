#!/usr/bin/env bash
# Builds and runs the tests under AddressSanitizer with UndefinedBehaviorSanitizer,
# and the threaded code (render pass, thumbnail build) under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
source scripts/compiler-cache.sh

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVIRA_BUILD_BENCH=OFF "${compiler_cache[@]}" \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
  >/dev/null
cmake --build build-asan --parallel "$(nproc)"
# Tests that bound how long a hostile file may take allow for the slowdown.
export KOLVIRA_SANITIZED=1
# Reports go to files: a decode sends stderr to a temporary file while the
# codecs speak, and a report written there would be lost with it.
rm -f build-asan/sanitizer-report.*
export ASAN_OPTIONS="log_path=$PWD/build-asan/sanitizer-report"
export UBSAN_OPTIONS="log_path=$PWD/build-asan/sanitizer-report:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
# The install tests package the programs, and the conformance suite compares
# hundreds of public pictures with reference decoders in the plain run: the
# sanitizers would add little there and take most of CI's time.
# The tests of threaded code (thumbnail builds and their store, the Mosaic
# window's build, contact sheets, decodes under a watchdog or in a child) run
# three times more, so that a race shows here before it lands.
threaded='Thumbnail|ContactSheet|SharedThumbnails|PhotoDecoding|DecodeWatchdog|HeifFormat|MetafileFormat|mosaic_build'
if ! ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" --label-exclude "install|conformance" ||
  ! ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" --label-exclude "install|conformance" \
    --tests-regex "$threaded" --repeat until-fail:3; then
  cat build-asan/sanitizer-report.* 2>/dev/null || true
  exit 1
fi
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

# Only the code that runs threads: the render pass, the thumbnail build and
# the decodes, each on a watchdog thread.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVIRA_BUILD_BENCH=OFF "${compiler_cache[@]}" \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread" >/dev/null
cmake --build build-tsan --parallel "$(nproc)" --target kolvira_render_tests kolvira_imageio_tests \
  kolvira_thumbnail_tests kolvira_hostile_corpus_tests
# The tests run encoders (heif-enc, cjxl) through QProcess, which forks a
# process that has threads.
export TSAN_OPTIONS="halt_on_error=1 die_after_fork=0 suppressions=$PWD/scripts/tsan.supp"
build-tsan/bin/kolvira_render_tests --gtest_brief=1
# HEIF and EMF pictures decode in a child process, which does not come to an
# end when it runs under ThreadSanitizer too; their tests (and the corpus's
# files of the newer formats) run under the other sanitizers above.
build-tsan/bin/kolvira_imageio_tests --gtest_brief=1 \
  --gtest_filter='-HeifFormatTest.*:MetafileFormatTest.*'
build-tsan/bin/kolvira_thumbnail_tests --gtest_brief=1
# The thumbnail builds, their store and the watchdog again, in fresh
# processes, where the first decodes race to set up Qt's plugins.
for _ in 1 2 3; do
  build-tsan/bin/kolvira_thumbnail_tests --gtest_brief=1 \
    --gtest_filter='ThumbnailJob*:ThumbnailBuild*:SharedThumbnails*'
  build-tsan/bin/kolvira_imageio_tests --gtest_brief=1 \
    --gtest_filter='DecodeWatchdog*:PhotoDecodingTest.EveryThread*'
done
build-tsan/bin/kolvira_hostile_corpus_tests --gtest_brief=1 --gtest_filter='-*formats*'
