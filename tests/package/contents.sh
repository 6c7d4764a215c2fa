#!/bin/sh
# The package unpacked into a fresh root: the programs, the desktop's files, the manuals
# and the Debian documents are in place and valid where they land, the control fields are
# computed, and the installed console program runs from that root on the system's own
# libraries.
set -eu
deb=$(find "$1" -maxdepth 1 -name 'varnoke_*.deb')
version=$2 source=$3
root=$(mktemp -d /tmp/varnoke-deb-root.XXXXXX)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
fail() { echo "$*"; exit 1; }

usr="$root/usr"
share="$usr/share"
expected="bin/varnoke bin/varnoke-cli
  share/applications/org.orvelia.Varnoke.desktop
  share/metainfo/org.orvelia.Varnoke.metainfo.xml
  share/mime/packages/org.orvelia.Varnoke.xml
  share/icons/hicolor/scalable/apps/org.orvelia.Varnoke.svg
  share/man/man1/varnoke.1.gz share/man/man1/varnoke-cli.1.gz
  share/doc/varnoke/copyright share/doc/varnoke/changelog.gz"
for size in 16 22 24 32 48 64 128 256; do
  expected="$expected share/icons/hicolor/${size}x${size}/apps/org.orvelia.Varnoke.png"
done
# Each translation of the source tree, compiled.
for ts in "$source"/translations/varnoke_*.ts; do
  [ -e "$ts" ] || continue
  expected="$expected share/varnoke/translations/$(basename "$ts" .ts).qm"
done
for file in $expected; do
  [ -s "$usr/$file" ] || fail "missing from the package: /usr/$file"
done

# Everything lands under /usr, and only the two programs among the commands.
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./$' | grep -v '^\./usr/' || true)
[ -z "$outside" ] || fail "outside /usr: $outside"
commands=$(ls "$usr/bin" | tr '\n' ' ')
[ "$commands" = "varnoke varnoke-cli " ] || fail "commands in /usr/bin: $commands"

# The desktop's own tools accept the files as installed.
desktop-file-validate "$share/applications/org.orvelia.Varnoke.desktop"
appstreamcli validate --no-net "$share/metainfo/org.orvelia.Varnoke.metainfo.xml"
xmllint --noout "$share/mime/packages/org.orvelia.Varnoke.xml"
# Manuals and changelog as Debian wants them: gzip without a name or time stamp.
for gz in "$share"/man/man1/*.gz "$share/doc/varnoke/changelog.gz"; do
  gzip -t "$gz"
  # Header bytes 3 to 7: the flags (a stored name sets one) and the time stamp.
  [ "$(od -An -tx1 -j3 -N5 "$gz" | tr -d ' \n')" = 0000000000 ] || fail "name or time stamp in $gz"
done

# Control fields: the version, and dependencies found by dpkg-shlibdeps.
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version: $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libexiv2; do
  printf '%s\n' "$depends" | grep -q "$library" || fail "Depends lacks $library: $depends"
done

# The programs find their libraries without help: no run path into a build tree.
for program in "$usr/bin/varnoke" "$usr/bin/varnoke-cli"; do
  if readelf -d "$program" | grep -qE 'RPATH|RUNPATH'; then
    fail "$program carries a run path: $(readelf -d "$program" | grep -E 'RPATH|RUNPATH')"
  fi
done
said=$(env -u LD_LIBRARY_PATH "$usr/bin/varnoke-cli" --version)
[ "$said" = "varnoke-cli $version" ] || fail "varnoke-cli --version said: $said"
echo "contents of $deb checked"
