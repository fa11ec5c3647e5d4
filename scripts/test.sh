#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite: a normal
# build, a ThreadSanitizer build of the tests whose actions work off the
# user-interface thread, and a build with AddressSanitizer and
# UndefinedBehaviorSanitizer.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
morvessa_install_deps

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 300
}

echo "== normal build"
run_suite build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== thread sanitizer build (the tests whose actions work off the user-interface thread)"
tsan_tests=(tests/framework/framework_tests tests/solve/solve_tests tests/arith_window/arith_window_tests
            tests/robustness/robustness_tests tests/desktop/desktop_tests tests/memory/memory_gui_tests)
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVESSA_TSAN=ON -DMORVESSA_BENCH=OFF
cmake --build build-tsan -j "$jobs" --target $(for t in "${tsan_tests[@]}"; do basename "$t"; done)
# Qt's libraries are not instrumented: their own threads (the raster painter's
# pool) synchronise where the sanitizer cannot see it.
for t in "${tsan_tests[@]}"; do
  TSAN_OPTIONS="halt_on_error=1:ignore_noninstrumented_modules=1" "build-tsan/$t" --gtest_brief=1
done

echo "== sanitizer build (ASan + UBSan)"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DMORVESSA_SANITIZE=ON -DMORVESSA_BENCH=OFF
