#!/bin/sh
# Installs the Debian packages the repository uses, in one apt-get call, and only when one of them
# is missing:
#   building         qt6-base-dev libxkbcommon-dev cmake ninja-build g++
#   Qt's own texts   qt6-translations-l10n (Japanese buttons and file dialogs)
#   tests            libgtest-dev fonts-ipafont-gothic; poppler-utils (pdftotext reads printed PDFs back)
#   screenshots      xvfb xauth (xvfb-run)
#   fuzzing          clang and the runtime package of its version (sanitizers, libFuzzer)
#   packaging        dpkg-dev (dpkg-shlibdeps for the package's dependencies); desktop-file-utils,
#                    appstream and shared-mime-info validate the desktop entry, metainfo, MIME type
set -e
PACKAGES="qt6-base-dev qt6-translations-l10n libxkbcommon-dev cmake ninja-build g++ libgtest-dev \
fonts-ipafont-gothic poppler-utils xvfb xauth clang dpkg-dev desktop-file-utils appstream shared-mime-info"

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

# The major version of the clang that `clang++` runs, or of the one apt would install.
clang_version() {
  if command -v clang++ > /dev/null 2>&1; then
    clang++ --version | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n 1
  else
    apt-cache depends clang 2>/dev/null | sed -n 's/.*Depends: clang-\([0-9][0-9]*\)$/\1/p' | head -n 1
  fi
}

missing=""
for p in $PACKAGES; do
  installed "$p" || missing="$missing $p"
done
version=$(clang_version)
if [ -n "$version" ]; then
  installed "libclang-rt-$version-dev" || missing="$missing libclang-rt-$version-dev"
fi
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
if [ -z "$version" ]; then
  version=$(clang_version)
  [ -n "$version" ] || { echo "install-deps: apt knows no clang package" >&2; exit 1; }
  missing="$missing libclang-rt-$version-dev"
fi
echo "Installing:$missing"
$SUDO apt-get install -y -qq --no-install-recommends $missing
