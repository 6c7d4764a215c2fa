#!/bin/sh
# Installs what the build, the tests and the Debian package need on Debian 12. Run it as
# root or as a user who may use sudo: it raises itself with sudo only when it is not root
# (a fresh Debian machine run as root has no sudo).
set -eu
[ "$(id -u)" -eq 0 ] || exec sudo sh "$0" "$@"
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends cmake make g++ pkg-config qt6-base-dev \
  libglib2.0-dev libgtest-dev libgmock-dev googletest libbenchmark-dev attr strace \
  clang libclang-rt-14-dev adwaita-icon-theme \
  desktop-file-utils appstream libxml2-utils libexiv2-dev libmediainfo-dev \
  dpkg-dev lintian file
# The translations: lupdate and lrelease, Qt's own translations, the checks of the files.
apt-get install -y --no-install-recommends qt6-l10n-tools qt6-translations-l10n python3
