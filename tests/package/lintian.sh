#!/bin/sh
# Lintian's verdict on the package: every tag is printed, an error (or lintian failing to
# read the package at all) fails.
set -u
deb=$(find "$1" -maxdepth 1 -name 'varnoke_*.deb')
command -v lintian >/dev/null || { echo "lintian is missing (scripts/install-deps.sh)"; exit 1; }
report=$(lintian --tag-display-limit 0 "$deb" 2>&1)
status=$?
printf '%s\n' "$report"
# Lintian exits 1 for errors found, 2 when it could not check the package.
[ "$status" -le 1 ] || exit 1
! printf '%s\n' "$report" | grep -q '^E: '
