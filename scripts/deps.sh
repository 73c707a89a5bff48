#!/bin/sh
# Installs what the build and the tests need on a Debian machine, when missing.
set -e
PKGS="build-essential cmake pkg-config qt6-base-dev libsqlite3-dev sqlite3 \
libgsf-1-dev libgsf-bin libgtest-dev libgmock-dev libbenchmark-dev python3 python3-ezdxf \
python3-olefile python3-scipy poppler-utils xvfb xauth locales clang-format"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
fi
# The tests write numbers under a locale with a decimal comma.
if ! locale -a | grep -qix 'de_DE.utf8'; then
    $SUDO sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen
fi
