#!/bin/sh
# Makes the Debian package of the build tree into a fresh directory for the other package
# tests: exactly one varnoke_VERSION_ARCH.deb must come out.
set -eu
cpack=$1 config=$2 out=$3 version=$4
rm -rf "$out"
mkdir -p "$out"
# The tests run on a built tree. Named a generator without a pre-install step, cpack installs
# straight from the tree's install scripts instead of first walking every target of the
# tree again with make, which takes seconds.
if ! "$cpack" --config "$config" -B "$out" -D CPACK_CMAKE_GENERATOR=Ninja \
  >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi
rm -rf "$out/_CPack_Packages"
deb="$out/varnoke_${version}_$(dpkg --print-architecture).deb"
made=$(find "$out" -maxdepth 1 -name '*.deb')
if [ "$made" != "$deb" ]; then
  echo "expected $deb, cpack made: ${made:-nothing}"
  exit 1
fi
echo "$deb"
