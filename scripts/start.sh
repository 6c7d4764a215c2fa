#!/bin/sh
# Builds Varnoke, installs it into build/install (with its desktop entry, icons and file
# types), makes a folder of sample files and opens the program with them listed and the
# shipped options set ("Pic" and a running number) loaded. Without a display it runs the
# console demonstration instead and says how to get the window.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
prefix="$root/build/install"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)" --target varnoke varnoke-cli >/dev/null
cmake --install "$root/build" --prefix "$prefix" >/dev/null
command -v update-mime-database >/dev/null 2>&1 && update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || true

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here, so this is the console demonstration (scripts/demo.sh)."
  echo "For the window, run 'sh scripts/start.sh' on a desktop, or without one:"
  echo "  apt-get install -y xvfb && xvfb-run sh scripts/start.sh"
  echo
  exec sh "$root/scripts/demo.sh"
fi

samples=$(mktemp -d /tmp/varnoke-samples.XXXXXX)
for name in IMG_2041.jpg IMG_2042.jpg IMG_2043.JPG DSC00017.jpeg holiday.png Pic000002.jpg; do
  printf 'sample %s\n' "$name" >"$samples/$name"
done
echo "Sample files in $samples; Varnoke opens with them listed (F9 shows the plan)."
XDG_DATA_DIRS="$prefix/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" \
  exec "$prefix/bin/varnoke" "/O:$root/examples/pic-numbering.vns" "/S:$samples/*.*"
