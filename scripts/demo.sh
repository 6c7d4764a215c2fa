#!/bin/sh
# Builds varnoke-cli, fills a new folder with sample files and renames them with the
# option set shipped in examples/pic-numbering.vns ("Pic" and a six-digit running
# number, extensions kept): first the plan, then the run. Touches nothing else: the
# settings of the run are kept inside the demonstration folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)" --target varnoke-cli >/dev/null
cli="$root/build/src/app/varnoke-cli"
set_file="$root/examples/pic-numbering.vns"

demo=$(mktemp -d /tmp/varnoke-demo.XXXXXX)
export VARNOKE_CONFIG_DIR="$demo/settings" XDG_DATA_HOME="$demo/data"
photos="$demo/photos"
mkdir "$photos"
for name in IMG_2041.jpg IMG_2042.jpg IMG_2043.JPG DSC00017.jpeg holiday.png notes.txt; do
  printf 'sample %s\n' "$name" >"$photos/$name"
done
# The list names the files in a fixed order, so the numbers follow it.
for f in "$photos"/*; do printf '%s\r\n' "$f"; done >"$demo/photos.vls"

echo "== Sample files in $photos"
ls -l "$photos"
echo
echo "== The plan: varnoke-cli /O:$set_file /L:$demo/photos.vls"
"$cli" "/O:$set_file" "/L:$demo/photos.vls"
echo
echo "== The run: varnoke-cli /O:$set_file /L:$demo/photos.vls /R --yes"
"$cli" "/O:$set_file" "/L:$demo/photos.vls" /R --yes
echo
echo "== Afterwards"
ls -l "$photos"
echo
echo "The folder stays for a look: $demo (remove it with: rm -rf $demo)"
