#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ and runs
# them one after another, each for SECONDS (default 600) on one core.
#
#   scripts/fuzz.sh [SECONDS [TARGET...]]
#
# Without targets it runs all of them: the loaders, the render pass, and one
# target per format read through a library of its own (HeifFuzzer,
# JxlFuzzer, RawFuzzer, MetafileFuzzer).
#
# Each target's corpus (build-fuzz/work/<target>/corpus, not committed) starts
# from tests/fuzz-regressions/<target>/ and, for the loaders, from small
# pictures of every format made now by fuzz/make_photo_seeds.py. Crashes,
# leaks, timeouts and out-of-memory inputs land in build-fuzz/work/<target>/
# found/, the sanitizers' reports in .../logs/ (they go to files because the
# decoders take stderr over while they run). After a crash a target starts
# again for the rest of its time (ten runs at most). Minimise a find with
#   build-fuzz/bin/<target> -minimize_crash=1 -runs=10000 FILE
# and keep it in tests/fuzz-regressions/<target>/, which CTest replays.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-600}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [SECONDS-PER-TARGET [TARGET...]]" >&2
  exit 2
fi
shift || true

scripts/install-deps.sh
if ! command -v clang++ >/dev/null ||
   ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, long) { return 0; }' |
     clang++ -x c++ -fsanitize=fuzzer - -o /dev/null 2>/dev/null; then
  echo "scripts/fuzz.sh needs clang++ with libFuzzer: apt-get install clang libclang-rt-14-dev" >&2
  exit 1
fi

build=build-fuzz
all_targets=(LoadPhotoFuzzer LoadThumbnailFuzzer RenderPassFuzzer
             HeifFuzzer JxlFuzzer RawFuzzer MetafileFuzzer)
targets=("${@:-${all_targets[@]}}")
declare -A max_len=([LoadPhotoFuzzer]=65536 [LoadThumbnailFuzzer]=65536 [RenderPassFuzzer]=20000
                    [HeifFuzzer]=65536 [JxlFuzzer]=65536 [RawFuzzer]=65536 [MetafileFuzzer]=65536)
# A thumbnail decode is given up after 5 s, before libFuzzer's timeout:
# inputs that slow are kept too (slow-unit-*).
declare -A slow_units=([LoadPhotoFuzzer]=10 [LoadThumbnailFuzzer]=4 [RenderPassFuzzer]=10
                       [HeifFuzzer]=4 [JxlFuzzer]=4 [RawFuzzer]=4 [MetafileFuzzer]=4)

# Qt is not instrumented; everything of Kolvira's is.
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKOLVIRA_BUILD_FUZZERS=ON -DKOLVIRA_BUILD_TESTS=OFF -DKOLVIRA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

photo_seeds="$build/work/photo-seeds"
rm -rf "$photo_seeds"
/usr/bin/python3 fuzz/make_photo_seeds.py "$photo_seeds"

# The executions of a run: from the final statistics, or from the last
# "#N ..." status line when the run stopped on a find.
executions() {
  local n
  n=$(grep -aoE '^stat::number_of_executed_units: [0-9]+' "$1" | grep -oE '[0-9]+$' | tail -n 1 || true)
  [[ -n "$n" ]] || n=$(grep -aoE '^#[0-9]+' "$1" | tail -n 1 | tr -d '#' || true)
  echo "${n:-0}"
}

for target in "${targets[@]}"; do
  work="$build/work/$target"
  rm -rf "$work/logs"
  mkdir -p "$work/corpus" "$work/found" "$work/logs"
  touch "$work/logs/started"
  cp -n "tests/fuzz-regressions/$target"/* "$work/corpus/"
  if [[ "$target" == Load* ]]; then
    cp -n "$photo_seeds"/* "$work/corpus/"
  fi

  total_runs=0
  started=$SECONDS
  run=0
  while (( SECONDS - started < seconds && run < 10 )); do
    run=$((run + 1))
    log="$work/logs/run-$run.log"
    export ASAN_OPTIONS="log_path=$PWD/$work/logs/asan"
    export UBSAN_OPTIONS="log_path=$PWD/$work/logs/ubsan:print_stacktrace=1"
    # Leaks inside Debian's libraries (fontconfig's first font match) are not ours.
    export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
    # LibRaw is built with OpenMP, whose pool threads outlive a decode and
    # would hold up the wait for each input's decode threads to end.
    export OMP_NUM_THREADS=1
    status=0
    "$build/bin/$target" "$work/corpus" -max_total_time=$((seconds - (SECONDS - started))) \
      -rss_limit_mb=4096 -timeout=10 -max_len="${max_len[$target]}" \
      -report_slow_units="${slow_units[$target]}" \
      -artifact_prefix="$work/found/" -print_final_stats=1 >"$log" 2>&1 || status=$?
    total_runs=$((total_runs + $(executions "$log")))
    if (( status == 0 )); then
      break
    fi
    echo "$target: run $run stopped (status $status), see $log" >&2
  done

  echo "== $target: $((SECONDS - started)) s, $total_runs executions, corpus $(ls "$work/corpus" | wc -l) files"
  found=$(find "$work/found" -type f -newer "$work/logs/started" | sort)
  if [[ -n "$found" ]]; then
    echo "   found now:"
    sed 's/^/     /' <<<"$found"
  fi
  reports=$(find "$work/logs" -name 'asan.*' -o -name 'ubsan.*' | sort)
  if [[ -n "$reports" ]]; then
    echo "   sanitizer reports:"
    sed 's/^/     /' <<<"$reports"
  fi
done
