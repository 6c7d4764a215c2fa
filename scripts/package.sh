#!/bin/sh
# Builds the Debian package varnoke_VERSION_ARCH.deb in build-package/: a Release build
# without tests and benchmarks, compiled with Debian's own hardening flags, packed by
# CPack's DEB generator and checked by lintian. Install it with
#   apt install ./build-package/varnoke_*.deb   (as root)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"
cd "$root"
# Debian's flags for every package (stack protector, fortified functions, read-only
# relocations bound at start). CMake reads CFLAGS, CXXFLAGS and LDFLAGS but not CPPFLAGS,
# so the preprocessor's flags join the compilers'.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVARNOKE_TESTS=OFF -DVARNOKE_BENCH=OFF \
  -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CFLAGS) $cppflags" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $cppflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/varnoke_*.deb
cmake --build "$build" --target package
deb=$(ls "$build"/varnoke_*.deb)
echo
echo "lintian $(basename "$deb"):"
lintian --tag-display-limit 0 "$deb" || { echo "lintian found errors" >&2; exit 1; }
echo
echo "Package: $deb"
echo "Install it as root with: apt install $deb"
