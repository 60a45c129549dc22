#!/bin/sh
# Installs the Debian packages the build, the tests and the screenshots need, in one apt-get call,
# and only when one of them is missing.
set -e
PACKAGES="qt6-base-dev qt6-translations-l10n libxkbcommon-dev fonts-ipafont-gothic xvfb xauth x11-utils \
imagemagick poppler-utils cmake ninja-build g++ libgtest-dev clang libclang-rt-14-dev"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $missing
