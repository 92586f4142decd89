#!/usr/bin/env bash
# The tests: set up, build with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/, and run every test with ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZRLSS_SANITIZE=ON -DZRLSS_BENCH=OFF >/dev/null
cmake --build build-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-asan && ctest --output-on-failure -j "$(nproc)"
