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

# The parsers of outside input, fuzzed briefly with libFuzzer (clang) from the seeds.
fuzzers=$(for f in "$root"/tests/fuzz/*.cpp; do basename "$f" .cpp; done)
cmake -S "$root" -B "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNOKE_FUZZ=ON \
  -DVARNOKE_BENCH=OFF -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
for name in $fuzzers; do
  cmake --build "$root/build-fuzz" -j "$jobs" --target "fuzz_$name"
  corpus=$(mktemp -d)
  cp -r "$root/tests/fuzz/seeds/$name/." "$corpus/" 2>/dev/null || true
  "$root/build-fuzz/tests/fuzz/fuzz_$name" -max_total_time="${VARNOKE_FUZZ_SECONDS:-15}" \
    -max_len=4096 "$corpus"
  rm -rf "$corpus"
done
