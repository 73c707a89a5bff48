#!/bin/sh
# Installs what the build and the tests need on a Debian machine, when missing.
set -e
PKGS="build-essential cmake pkg-config qt6-base-dev libsqlite3-dev sqlite3 \
libgsf-1-dev libgsf-bin libgtest-dev libgmock-dev libbenchmark-dev python3 python3-ezdxf \
python3-olefile poppler-utils xvfb xauth"
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
