#!/bin/sh
# Brings the translation files up to date with the texts marked in src/: new texts come
# in unfinished, texts no longer in the code are kept as vanished until a translator has
# taken what is useful from them. Extra arguments go to lupdate (-no-obsolete drops the
# vanished ones).
#   scripts/update-translations.sh [-ts-dir DIR] [lupdate options...]
# DIR holds the varnoke_LANG.ts files to update (translations/ by default).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/translations"
if [ "${1:-}" = "-ts-dir" ]; then
  dir=$2
  shift 2
fi
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || lupdate=$(command -v lupdate6 || command -v lupdate)

# The markers of platform/UiText.h are Qt's own, under other names.
aliases=QT_TRANSLATE_NOOP+=VARNOKE_UI,QT_TRANSLATE_NOOP3+=VARNOKE_UI3
aliases=$aliases,QT_TRANSLATE_N_NOOP+=VARNOKE_UI_N,QT_TRANSLATE_N_NOOP3+=VARNOKE_UI_N3

for ts in "$dir"/varnoke_*.ts; do
  case "$ts" in *_pseudo.ts) continue ;; esac
  "$lupdate" -silent -locations none -extensions h,cpp -tr-function-alias "$aliases" "$@" \
    "$root/src" -ts "$ts"
done
