#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Runs a test program on a private Xvfb display. Exits 77 (a skipped test)
# with a clear message only when no X server can be started here.
set -u
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v xclip >/dev/null 2>&1; then
  echo "SKIPPED: xvfb-run or xclip is not installed (scripts/install-deps.sh installs both)"
  exit 77
fi
if ! xvfb-run -a true >/dev/null 2>&1; then
  echo "SKIPPED: Xvfb cannot start a display on this machine"
  exit 77
fi
exec xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb "$@"
