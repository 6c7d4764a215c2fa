#!/bin/sh
# Remakes the README's screenshots from the real program under a virtual display: the frame
# with a list of sample files, the options with their sample of new names, the preview with
# a name conflict, and the options of a start in German. Each picture is the window alone,
# cut out by the window's own extents, taken once it has settled. Needs xvfb, xdotool,
# imagemagick and x11-utils (installed when missing). Writes docs/screenshots/*.png.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/docs/screenshots"
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null ||
  ! command -v import >/dev/null || ! command -v xwininfo >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y --no-install-recommends xvfb xauth xdotool imagemagick x11-utils \
    >/dev/null
fi
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)" --target varnoke >/dev/null

work=$(mktemp -d /tmp/varnoke-shots.XXXXXX)
app="" xvfb=""
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/photos" "$work/run" "$out"
chmod 700 "$work/run"
for name in IMG_2041.jpg IMG_2042.jpg IMG_2043.JPG DSC00017.jpeg holiday.png Pic000002.jpg; do
  printf 'sample %s\n' "$name" >"$work/photos/$name"
done
fail() {
  echo "screenshots: $*" >&2
  exit 1
}
export HOME="$work" XDG_RUNTIME_DIR="$work/run" VARNOKE_CONFIG_DIR="$work/config" \
  XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
unset QT_QPA_PLATFORM

# Xvfb picks a display number no other server holds and writes it once it takes clients.
Xvfb -displayfd 3 -screen 0 1280x900x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
until [ -s "$work/display" ]; do
  kill -0 "$xvfb" 2>/dev/null || fail "Xvfb did not start"
  sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"
screen=$(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')

# "x y width height" of a window, from the window itself.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
    /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}
# The program's windows on screen now, one id a line.
shown() { xdotool search --onlyvisible --pid "$app" 2>/dev/null || true; }
# Waits for a window of the program that is not among $1 (ids a line) and prints its id.
await_new_window() {
  tries=0
  while :; do
    for id in $(shown); do
      printf '%s\n' "$1" | grep -qx "$id" || {
        echo "$id"
        return
      }
    done
    tries=$((tries + 1))
    [ "$tries" -lt 300 ] || fail "no new window appeared"
    kill -0 "$app" 2>/dev/null || fail "varnoke ended"
    sleep 0.1
  done
}
# Writes the window $1 to $2 once it has settled: the same place and size, and the same
# picture but for a text cursor's blink, in two looks a quarter second apart. The window
# must lie wholly on the screen, or the picture would miss a part of it.
shot() {
  before="" tries=0
  while :; do
    now=$(geometry "$1")
    import -window "$1" "$work/now.png"
    if [ "$now" = "$before" ]; then
      changed=$(compare -metric AE "$work/now.png" "$work/before.png" null: 2>&1 || true)
      awk -v n="$changed" 'BEGIN { exit !(n ~ /^[0-9.e+]+$/ && n + 0 <= 40) }' && break
    fi
    tries=$((tries + 1))
    [ "$tries" -lt 120 ] || fail "window $1 never settled"
    before=$now
    mv "$work/now.png" "$work/before.png"
    sleep 0.25
  done
  set -- "$1" "$2" $now
  [ "$3" -ge 0 ] && [ "$4" -ge 0 ] && [ $(($3 + $5)) -le "${screen% *}" ] &&
    [ $(($4 + $6)) -le "${screen#* }" ] || fail "window $1 at $3,$4 ($5x$6) leaves the screen"
  mv "$work/now.png" "$out/$2.png"
  echo "$out/$2.png: $5x$6"
}
# Clicks into the middle of window $1 (the frame: its list window) and moves the pointer
# off it again, so that no tool tip shows in a picture.
activate() {
  set -- $(geometry "$1")
  xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1 \
    mousemove $((${screen% *} - 1)) $((${screen#* } - 1))
}
# Starts the program with the environment's additions $@ on the sample photos (the file
# already named Pic000002.jpg is not listed: a name conflict to see).
start() {
  env "$@" "$root/build/src/app/varnoke" "/O:$root/examples/pic-numbering.vns" \
    "/S:$work/photos/IMG*.*" "/S:$work/photos/DSC*.*" "/S:$work/photos/h*.*" &
  app=$!
}
# Presses key $1 in the frame $2, takes the window it opens as picture $3 and closes it.
dialog() {
  windows=$(shown)
  activate "$2"
  xdotool key "$1"
  id=$(await_new_window "$windows")
  shot "$id" "$3"
  xdotool key Escape
  tries=0
  while shown | grep -qx "$id"; do
    tries=$((tries + 1))
    [ "$tries" -lt 100 ] || fail "window $id stayed open after Escape"
    sleep 0.1
  done
}

start
frame=$(await_new_window "")
activate "$frame"
shot "$frame" list
dialog F5 "$frame" options
dialog F9 "$frame" preview
kill "$app"
wait "$app" 2>/dev/null || true

# The same start in German.
start LANGUAGE=de LANG=de_DE.UTF-8
frame=$(await_new_window "")
dialog F5 "$frame" options-de
echo "Screenshots written to $out"
