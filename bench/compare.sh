#!/bin/sh
# Times whole runs of varnoke-cli against the floor and against the peers from Debian.
#
# 1. In-place renames of N files in one directory (f000001.txt -> Pic000001.txt), each
#    tool on a fresh copy of the directory, the tools alternating, ROUNDS rounds:
#      varnoke  varnoke-cli /O:examples/pic-numbering.vns /L:LIST /R --yes
#      raw      bench/raw_rename: only the system calls the job needs
#      bare     bench/raw_rename --bare: nothing but the renameat2 calls
#      rename   find -print0 | rename -0 (package rename)
#      mmv      mmv -r (package mmv)
# 2. Planning a search over a tree of N files: varnoke-cli /SR:DIR/*.jpg --plan=tsv
#    against find DIR -name '*.jpg'.
# Prints the best time of each tool and its ratio to the raw program (to find in 2).
#
#   sh bench/compare.sh            N=100000 ROUNDS=3 by default
#   N=20000 ROUNDS=5 sh bench/compare.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
N=${N:-100000}
ROUNDS=${ROUNDS:-3}
build="$root/build-bench"

if ! command -v rename >/dev/null 2>&1 || ! command -v mmv >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y --no-install-recommends rename mmv >/dev/null 2>&1 ||
    { $sudo apt-get update >/dev/null && $sudo apt-get install -y --no-install-recommends rename mmv >/dev/null; }
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target varnoke-cli raw_rename >/dev/null
cli="$build/src/app/varnoke-cli"
raw="$build/bench/raw_rename"
set_file="$root/examples/pic-numbering.vns"

work=$(mktemp -d /tmp/varnoke-compare.XXXXXX)
trap 'rm -rf "$work"' EXIT INT TERM
export VARNOKE_CONFIG_DIR="$work/config" XDG_DATA_HOME="$work/data" \
  XDG_CONFIG_HOME="$work/config-home"

now_ns() { date +%s%N; }
# Runs the command, prints its wall time in milliseconds.
time_ms() {
  t0=$(now_ns)
  "$@"
  t1=$(now_ns)
  echo $(((t1 - t0) / 1000000))
}
best_of() { tr ' ' '\n' | grep . | sort -n | head -1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

# --- 1. renames in one directory -------------------------------------------------
mkdir "$work/master"
(cd "$work/master" && seq -f 'f%06g.txt' 1 "$N" | xargs touch)
run="$work/run"
seq -f "$run/f%06g.txt" 1 "$N" >"$work/list.vls"

fresh() {
  rm -rf "$run"
  cp -a "$work/master" "$run"
  sync
}
check() {
  renamed=$(find "$run" -name 'Pic*.txt' | wc -l)
  if [ "$renamed" -ne "$N" ]; then
    echo "$1 renamed $renamed of $N files" >&2
    exit 1
  fi
}

do_varnoke() { "$cli" "/O:$set_file" "/L:$work/list.vls" /R --yes </dev/null >/dev/null 2>&1; }
do_raw() { "$raw" "$work/list.vls" Pic 6; }
do_bare() { "$raw" --bare "$work/list.vls" Pic 6; }
do_rename() { find "$run" -name 'f*.txt' -print0 | rename -0 's/f(\d+)\.txt$/Pic$1.txt/'; }
do_mmv() { (cd "$run" && mmv -r 'f*.txt' 'Pic#1.txt'); }

tools="varnoke raw bare rename mmv"
for tool in $tools; do eval "times_$tool=''"; done
round=1
while [ "$round" -le "$ROUNDS" ]; do
  for tool in $tools; do
    fresh
    ms=$(time_ms "do_$tool")
    check "$tool"
    eval "times_$tool=\"\$times_$tool $ms\""
  done
  round=$((round + 1))
done

echo "In-place renames of $N files in one directory (best of $ROUNDS, ms; ratio to raw):"
eval "raw_best=\$(echo \$times_raw | best_of)"
for tool in $tools; do
  eval "all=\$times_$tool"
  best=$(echo "$all" | best_of)
  printf '  %-8s %7s ms  %5sx   (runs:%s)\n' "$tool" "$best" "$(ratio "$best" "$raw_best")" "$all"
done

# --- 2. a search planned over a tree ---------------------------------------------
rm -rf "$run" "$work/master"
tree="$work/tree"
per_dir=$((N / 100))
d=0
while [ "$d" -lt 100 ]; do
  dir="$tree/d$((d / 10))/s$((d % 10))"
  mkdir -p "$dir"
  (cd "$dir" && seq -f 'img%06g.jpg' 1 $((per_dir / 2)) | xargs touch &&
    seq -f 'doc%06g.txt' 1 $((per_dir - per_dir / 2)) | xargs touch)
  d=$((d + 1))
done
found=$("$cli" "/SR:$tree/*.jpg" --plan=tsv </dev/null 2>/dev/null | tail -n +2 | wc -l)
expected=$(find "$tree" -name '*.jpg' | wc -l)
if [ "$found" -ne "$expected" ]; then
  echo "varnoke-cli planned $found files, find found $expected" >&2
  exit 1
fi
times_plan=""
times_find=""
round=1
while [ "$round" -le "$ROUNDS" ]; do
  times_plan="$times_plan $(time_ms sh -c "\"$cli\" \"/SR:$tree/*.jpg\" --plan=tsv </dev/null >/dev/null 2>&1")"
  times_find="$times_find $(time_ms sh -c "find \"$tree\" -name '*.jpg' >/dev/null")"
  round=$((round + 1))
done
plan_best=$(echo "$times_plan" | best_of)
find_best=$(echo "$times_find" | best_of)
echo "Search over a tree of $N files, $expected of them *.jpg (best of $ROUNDS, ms):"
printf '  %-8s %7s ms  %5sx   (runs:%s)\n' "varnoke" "$plan_best" "$(ratio "$plan_best" "$find_best")" "$times_plan"
printf '  %-8s %7s ms  %5sx   (runs:%s)\n' "find" "$find_best" "1.00" "$times_find"
