#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) into fuzz-build/ and runs a
# fuzzing campaign on them. Each target starts from its committed seeds
# (tests/fuzz/corpus/<target>) and a growing local corpus outside the repo;
# new interesting inputs are merged into the local corpus, and every crash,
# timeout or out-of-memory input is copied into tests/fuzz/crashers/<target>/,
# where the regression replay of the test suite picks it up.
#
# Usage: scripts/fuzz.sh [target...]     (default: all targets)
# Environment:
#   FUZZ_SECONDS   seconds per target (default 300)
#   FUZZ_JOBS      parallel fuzzing processes per target (default 4; -fork)
#   FUZZ_CORPUS    local corpus root (default ~/.cache/morvessa-fuzz)
#   FUZZ_BUILD     build folder (default fuzz-build)
#   FUZZ_NO_BUILD  set to 1 to use the existing build
# Prints the executions per target at the end; exits non-zero when a target
# found something.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

all_targets=(inmod bigfraction bigmatrix solve arith)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all_targets[@]}")
seconds=${FUZZ_SECONDS:-300}
jobs=${FUZZ_JOBS:-4}
corpus_root=${FUZZ_CORPUS:-$HOME/.cache/morvessa-fuzz}
build=${FUZZ_BUILD:-fuzz-build}

# Every input must finish in bounded time and memory.
max_len=2048
timeout=10
rss_limit_mb=2048

need_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

if [ "${FUZZ_NO_BUILD:-0}" != 1 ]; then
  source scripts/deps.sh
  morvessa_install_deps
  need_packages clang libclang-rt-14-dev
  # fuzzer-no-link gives every library coverage feedback; the fuzz targets
  # themselves link libFuzzer (tests/fuzz/CMakeLists.txt).
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMORVESSA_FUZZ=ON -DMORVESSA_SANITIZE=ON -DMORVESSA_BENCH=OFF \
    -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
  build_targets=()
  for t in "${targets[@]}"; do build_targets+=("fuzz_$t"); done
  cmake --build "$build" -j "$jobs" --target "${build_targets[@]}"
fi

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:allocator_may_return_null=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$repo/tests/lsan.supp:print_suppressions=0"

status=0
summary=()
for t in "${targets[@]}"; do
  exe="$build/tests/fuzz/fuzz_$t"
  [ -x "$exe" ] || { echo "no fuzz target $exe"; status=1; continue; }
  corpus="$corpus_root/$t"
  artifacts="$corpus_root/artifacts/$t"
  logs="$corpus_root/logs/$t"
  mkdir -p "$corpus" "$artifacts" "$logs"
  log="$logs/$(date +%Y%m%d-%H%M%S).log"
  stamp=$(mktemp)
  dict=()
  [ -f "tests/fuzz/$t.dict" ] && dict=(-dict="$repo/tests/fuzz/$t.dict")
  echo "== fuzzing $t for ${seconds}s with $jobs processes (log: $log)"
  # Fork mode: a crash ends only its child; the parent keeps fuzzing, merges
  # new coverage into the local corpus and stops after max_total_time.
  "$repo/$exe" "$corpus" "$repo/tests/fuzz/corpus/$t" \
    -fork="$jobs" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -max_len=$max_len -timeout=$timeout -rss_limit_mb=$rss_limit_mb -max_total_time="$seconds" \
    -artifact_prefix="$artifacts/" -print_final_stats=1 "${dict[@]}" >"$log" 2>&1 || true
  # Executions: the last progress line of the parent ("#N: cov: ...").
  execs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#')
  execs=${execs:-0}
  found=0
  while IFS= read -r f; do
    mkdir -p "tests/fuzz/crashers/$t"
    cp -n "$f" "tests/fuzz/crashers/$t/"
    found=$((found + 1))
  done < <(find "$artifacts" -type f \( -name 'crash-*' -o -name 'timeout-*' -o -name 'oom-*' -o -name 'leak-*' \) -newer "$stamp")
  rm -f "$stamp"
  [ $found -gt 0 ] && status=1
  summary+=("$t: $execs executions, $found findings (artifacts in $artifacts, log $log)")
done

echo "== campaign summary"
printf '%s\n' "${summary[@]}"
exit $status
