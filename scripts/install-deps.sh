#!/bin/sh
# Installs what the build and the tests need on Debian 12 (run as root).
set -eu
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends cmake make g++ pkg-config qt6-base-dev \
  libglib2.0-dev libgtest-dev libgmock-dev googletest libbenchmark-dev attr \
  clang libclang-rt-14-dev
