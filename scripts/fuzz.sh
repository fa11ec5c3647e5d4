#!/usr/bin/env bash
# Builds the libFuzzer targets (clang 14, ASan + UBSan) and runs a fuzzing
# campaign on them. Each target fuzzes a scratch copy of its committed seeds
# (tests/fuzz/corpus/<target>), so the committed corpus never grows with
# generated inputs; crashes, timeouts, leaks and out-of-memory inputs land in
# the scratch artifacts folder. Copy a finding into tests/fuzz/crashers/<target>/
# once it is fixed: the test suite replays every file there.
#
# Usage: scripts/fuzz.sh [SECONDS] [target...]
#   SECONDS   fuzzing time per target (default 120)
#   targets   any of inmod bigfraction bigmatrix solve arith (default: all)
# Environment:
#   FUZZ_WORKERS   parallel fuzzing processes per target (default 1); each
#                  runs for SECONDS on the shared scratch corpus
#   FUZZ_SCRATCH   scratch folder (default: a new folder under /tmp)
#   FUZZ_BUILD     build folder (default build-fuzz)
#   FUZZ_NO_BUILD  set to 1 to use the existing build
# Prints the executions of every target (libFuzzer's stat::number_of_executed_units)
# and their total; exits non-zero when a target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

all_targets=(inmod bigfraction bigmatrix solve arith)
seconds=120
if [ $# -gt 0 ] && [[ $1 =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all_targets[@]}")
workers=${FUZZ_WORKERS:-1}
build=${FUZZ_BUILD:-build-fuzz}
scratch=${FUZZ_SCRATCH:-$(mktemp -d /tmp/morvessa-fuzz.XXXXXX)}

# Every input must finish in bounded time and memory: inputs up to 4 KiB, each
# at most 25 s even on the GUI targets under ASan (the slowest seed takes well
# under a second), and 2.5 GiB of memory.
max_len=4096
timeout=25
rss_limit_mb=2560

if [ "${FUZZ_NO_BUILD:-0}" != 1 ]; then
  source scripts/deps.sh
  morvessa_install_deps clang-14 libclang-rt-14-dev
  # fuzzer-no-link gives every library coverage feedback; the fuzz targets
  # themselves link libFuzzer (tests/fuzz/CMakeLists.txt).
  CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMORVESSA_FUZZ=ON -DMORVESSA_SANITIZE=ON -DMORVESSA_BENCH=OFF \
    -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
  build_targets=()
  for t in "${targets[@]}"; do build_targets+=("fuzz_$t"); done
  cmake --build "$build" -j 4 --target "${build_targets[@]}"
fi

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:allocator_may_return_null=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$repo/tests/lsan.supp:print_suppressions=0"

echo "== scratch folder: $scratch (corpora, artifacts, logs)"
status=0
total=0
summary=()
for t in "${targets[@]}"; do
  exe="$repo/$build/tests/fuzz/fuzz_$t"
  if [ ! -x "$exe" ]; then
    summary+=("$(printf '%-12s missing: %s' "$t" "$exe")")
    status=1
    continue
  fi
  corpus="$scratch/corpus/$t"
  artifacts="$scratch/artifacts/$t"
  logs="$scratch/logs/$t"
  rm -rf "$logs"
  mkdir -p "$corpus" "$artifacts" "$logs"
  cp -n "$repo/tests/fuzz/corpus/$t"/* "$corpus/" 2>/dev/null || true
  dict=()
  [ -f "tests/fuzz/$t.dict" ] && dict=(-dict="$repo/tests/fuzz/$t.dict")
  echo "== fuzzing $t for ${seconds}s with $workers process(es)"
  # -jobs runs that many independent fuzzing processes, each writing
  # fuzz-<n>.log in the working folder and its own final stats; a crash ends
  # only the process that found it.
  (cd "$logs" && "$exe" "$corpus" -jobs="$workers" -workers="$workers" \
    -max_len=$max_len -timeout=$timeout -rss_limit_mb=$rss_limit_mb -max_total_time="$seconds" \
    -artifact_prefix="$artifacts/" -print_final_stats=1 "${dict[@]}" >"$logs/driver.log" 2>&1) || true
  execs=0
  for log in "$logs"/fuzz-*.log; do
    [ -f "$log" ] || continue
    n=$(grep -oE 'stat::number_of_executed_units: [0-9]+' "$log" | tail -1 | grep -oE '[0-9]+$' || true)
    if [ -z "$n" ]; then
      # No final stats: the process died on a finding; take its last progress line.
      n=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#' || true)
    fi
    execs=$((execs + ${n:-0}))
  done
  found=$(find "$artifacts" -type f \( -name 'crash-*' -o -name 'timeout-*' -o -name 'oom-*' -o -name 'leak-*' \) | wc -l)
  [ "$found" -gt 0 ] && status=1
  total=$((total + execs))
  summary+=("$(printf '%-12s %12d executions  %d findings' "$t" "$execs" "$found")")
done

echo "== campaign summary (${seconds}s per target, $workers process(es); logs in $scratch/logs)"
printf '%s\n' "${summary[@]}"
printf '%-12s %12d executions\n' total "$total"
[ $status -ne 0 ] && echo "findings are in $scratch/artifacts/<target>/"
exit $status
