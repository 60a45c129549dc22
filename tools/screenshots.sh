#!/bin/sh
# Starts the real workbench window under Xvfb, drives it through edit mode, two assemblies (one that
# succeeds, one that fails), find and replace, the options dialog, run mode (steps, a breakpoint, a
# run with console input, a trace) and the dump and input device windows, and saves the pictures
# into docs/.
#   tools/screenshots.sh [BUILD_DIR]
set -e
BUILD=${1:-build}
cd "$(dirname "$0")/.."
mkdir -p docs
mkdir -p -m 0700 "/tmp/runtime-$(id -u)"
XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x900x24 -dpi 96" "$BUILD/src/app/kavora2-screenshots" docs
