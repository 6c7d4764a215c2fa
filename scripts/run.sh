#!/bin/sh
# Builds the program and runs varnoke-cli with the given arguments.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)" --target varnoke-cli >/dev/null
exec "$root/build/src/app/varnoke-cli" "$@"
