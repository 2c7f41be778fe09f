#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Opens the window built in the given build directory.
set -euo pipefail
build_dir=$1
program="$build_dir/src/ui/harvela"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display available: to try Harvela without one, run 'xvfb-run -a $program' (or 'make screenshot')."
  exit 0
fi
exec "$program"
