#!/bin/sh
# The desktop files as the desktop's own tools read them: the application entry, the
# AppStream description and the file-type definitions. Fails on the first complaint.
set -eu
data=$1
desktop-file-validate "$data/org.orvelia.Varnoke.desktop"
appstreamcli validate --no-net "$data/org.orvelia.Varnoke.metainfo.xml"
xmllint --noout "$data/org.orvelia.Varnoke.mime.xml"
# Every size of the icon the entry names is there.
for size in 16 22 24 32 48 64 128 256; do
  test -s "$data/icons/${size}x${size}/org.orvelia.Varnoke.png"
done
grep -q '^Exec=varnoke --files %F$' "$data/org.orvelia.Varnoke.desktop"
