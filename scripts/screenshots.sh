#!/bin/sh
# Remakes the README's screenshots from the real program under a virtual display: a
# list of sample files, the options with their sample of new names, and the preview
# with a name conflict. Needs xvfb, xdotool and imagemagick (installed when missing).
# Writes docs/screenshots/*.png.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/docs/screenshots"
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null || ! command -v import >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y --no-install-recommends xvfb xauth xdotool imagemagick >/dev/null
fi
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)" --target varnoke >/dev/null

work=$(mktemp -d /tmp/varnoke-shots.XXXXXX)
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/photos" "$work/run" "$out"
chmod 700 "$work/run"
for name in IMG_2041.jpg IMG_2042.jpg IMG_2043.JPG DSC00017.jpeg holiday.png Pic000002.jpg; do
  printf 'sample %s\n' "$name" >"$work/photos/$name"
done
export DISPLAY=:93 HOME="$work" XDG_RUNTIME_DIR="$work/run" VARNOKE_CONFIG_DIR="$work/config" \
  XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
Xvfb "$DISPLAY" -screen 0 1100x720x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
# The photos are listed, the file already named Pic000002.jpg is not: a conflict to see.
"$root/build/src/app/varnoke" "/O:$root/examples/pic-numbering.vns" "/S:$work/photos/IMG*.*" \
  "/S:$work/photos/DSC*.*" "/S:$work/photos/h*.*" &
app=$!
sleep 3
shot() { sleep 1.5; import -window root "$out/$1.png"; }
xdotool mousemove 200 120 click 1
shot list
xdotool key F5
shot options
xdotool key Escape
sleep 0.5
xdotool mousemove 200 120 click 1
xdotool key F9
shot preview
xdotool key Escape
echo "Screenshots written to $out"
