#!/bin/sh
# Builds everything and runs every test: once plainly, once under AddressSanitizer
# and UndefinedBehaviorSanitizer. Run from anywhere; build trees go to build/ and
# build-sanitize/ in the repository.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j "$jobs"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVARNOKE_SANITIZE=ON \
  -DVARNOKE_BENCH=OFF
cmake --build "$root/build-sanitize" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"
