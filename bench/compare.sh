#!/bin/sh
# Times whole runs of varnoke-cli against the floor and against the peers from Debian.
#
# 1. In-place renames of N files in one directory (f000001.txt -> Pic000001.txt), each
#    tool on a fresh copy of the directory, the tools alternating, ROUNDS rounds:
#      varnoke  varnoke-cli /O:examples/pic-numbering.vns /L:LIST /R --yes
#      nojournal  the same without its run journal (VARNOKE_NO_JOURNAL=1): the journal's
#               cost is varnoke / nojournal
#      raw      bench/raw_rename: only the system calls the job needs (statx and
#               lgetxattr per file, one read of the directory, renameat2 relative
#               to the held directory)
#      bare     bench/raw_rename --bare: nothing but the renameat2 calls
#      rename   find -print0 | rename -0 (package rename)
#      mmv      mmv -r (package mmv)
# 2. Listing N files: varnoke-cli /L:LIST --plan=tsv (nothing changed) against
#    raw_rename --list, the listing calls alone.
# 3. Planning a search over a tree of N files: varnoke-cli /SR:DIR/*.jpg --plan=tsv
#    against find DIR -name '*.jpg' -printf '%s %T@ %m\n' (a peer that also reads
#    every match's metadata) and plain find.
# 4. The look at busy files under a desktop-like load: bench/snapshot_cost with 300
#    sleeping processes holding 67 descriptors each.
# Prints the best time of each tool and its ratio to the raw program (to find -printf
# in 3); for the renames also the median, the steadier figure on a noisy machine.
#
#   sh bench/compare.sh            N=100000 ROUNDS=3 by default
#   N=20000 ROUNDS=5 sh bench/compare.sh
#   BUILD=build sh bench/compare.sh   an existing build directory instead of build-bench
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
N=${N:-100000}
ROUNDS=${ROUNDS:-3}
build=${BUILD:-$root/build-bench}
case "$build" in /*) ;; *) build="$root/$build" ;; esac

if ! command -v rename >/dev/null 2>&1 || ! command -v mmv >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y --no-install-recommends rename mmv >/dev/null 2>&1 ||
    { $sudo apt-get update >/dev/null && $sudo apt-get install -y --no-install-recommends rename mmv >/dev/null; }
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target varnoke-cli raw_rename snapshot_cost >/dev/null
cli="$build/src/app/varnoke-cli"
raw="$build/bench/raw_rename"
set_file="$root/examples/pic-numbering.vns"

work=$(mktemp -d /tmp/varnoke-compare.XXXXXX)
trap 'rm -rf "$work"' EXIT INT TERM
export VARNOKE_CONFIG_DIR="$work/config" XDG_DATA_HOME="$work/data" \
  XDG_CONFIG_HOME="$work/config-home" XDG_STATE_HOME="$work/state"

now_ns() { date +%s%N; }
# Runs the command, prints its wall time in milliseconds.
time_ms() {
  t0=$(now_ns)
  "$@"
  t1=$(now_ns)
  echo $(((t1 - t0) / 1000000))
}
best_of() { tr ' ' '\n' | grep . | sort -n | head -1; }
# The middle run (the lower of the two middle ones for an even count): on a machine
# whose runs vary widely, the best alone can flatter one tool by a lucky run.
median_of() {
  tr ' ' '\n' | grep . | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
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
do_nojournal() {
  VARNOKE_NO_JOURNAL=1 "$cli" "/O:$set_file" "/L:$work/list.vls" /R --yes </dev/null >/dev/null 2>&1
}
do_raw() { "$raw" "$work/list.vls" Pic 6; }
do_bare() { "$raw" --bare "$work/list.vls" Pic 6; }
do_rename() { find "$run" -name 'f*.txt' -print0 | rename -0 's/f(\d+)\.txt$/Pic$1.txt/'; }
do_mmv() { (cd "$run" && mmv -r 'f*.txt' 'Pic#1.txt'); }

tools="varnoke nojournal raw bare rename mmv"
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

echo "In-place renames of $N files in one directory ($ROUNDS rounds, ms; ratio to raw):"
eval "raw_best=\$(echo \$times_raw | best_of)"
eval "raw_median=\$(echo \$times_raw | median_of)"
for tool in $tools; do
  eval "all=\$times_$tool"
  best=$(echo "$all" | best_of)
  median=$(echo "$all" | median_of)
  eval "${tool}_best=$best ${tool}_median=$median"
  printf '  %-9s best %5s ms %5sx  median %5s ms %5sx   (runs:%s)\n' "$tool" "$best" \
    "$(ratio "$best" "$raw_best")" "$median" "$(ratio "$median" "$raw_median")" "$all"
done
for kind in best median; do
  eval "v=\$varnoke_$kind j=\$nojournal_$kind m=\$mmv_$kind r=\$rename_$kind"
  printf '  %-6s the journal costs %sx; varnoke is %sx mmv, %sx rename (without the journal %sx, %sx)\n' \
    "$kind:" "$(ratio "$v" "$j")" "$(ratio "$v" "$m")" "$(ratio "$v" "$r")" "$(ratio "$j" "$m")" \
    "$(ratio "$j" "$r")"
done

# --- 2. listing ------------------------------------------------------------------
fresh
times_list=""
times_rawlist=""
round=1
while [ "$round" -le "$ROUNDS" ]; do
  times_list="$times_list $(time_ms sh -c "\"$cli\" \"/L:$work/list.vls\" --plan=tsv </dev/null >/dev/null 2>&1")"
  times_rawlist="$times_rawlist $(time_ms "$raw" --list "$work/list.vls")"
  round=$((round + 1))
done
list_best=$(echo "$times_list" | best_of)
rawlist_best=$(echo "$times_rawlist" | best_of)
echo "Listing $N files (best of $ROUNDS, ms; ratio to raw):"
printf '  %-8s %7s ms  %5sx   (runs:%s)\n' "varnoke" "$list_best" "$(ratio "$list_best" "$rawlist_best")" "$times_list"
printf '  %-8s %7s ms  %5sx   (runs:%s)\n' "raw" "$rawlist_best" "1.00" "$times_rawlist"

# --- 3. a search planned over a tree ---------------------------------------------
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
times_printf=""
times_find=""
round=1
while [ "$round" -le "$ROUNDS" ]; do
  times_plan="$times_plan $(time_ms sh -c "\"$cli\" \"/SR:$tree/*.jpg\" --plan=tsv </dev/null >/dev/null 2>&1")"
  times_printf="$times_printf $(time_ms sh -c "find \"$tree\" -name '*.jpg' -printf '%s %T@ %m\\n' >/dev/null")"
  times_find="$times_find $(time_ms sh -c "find \"$tree\" -name '*.jpg' >/dev/null")"
  round=$((round + 1))
done
plan_best=$(echo "$times_plan" | best_of)
printf_best=$(echo "$times_printf" | best_of)
find_best=$(echo "$times_find" | best_of)
echo "Search over a tree of $N files, $expected of them *.jpg (best of $ROUNDS, ms; ratio to find -printf):"
printf '  %-8s %7s ms  %5sx   (runs:%s)\n' "varnoke" "$plan_best" "$(ratio "$plan_best" "$printf_best")" "$times_plan"
printf '  %-8s %7s ms  %5sx   (runs:%s)\n' "printf" "$printf_best" "1.00" "$times_printf"
printf '  %-8s %7s ms  %5sx   (runs:%s)\n' "find" "$find_best" "$(ratio "$find_best" "$printf_best")" "$times_find"

# --- 4. the look at busy files under load ------------------------------------------
echo "The look at busy files that a listing takes once:"
printf '  '
"$build/bench/snapshot_cost" 300 67 20
