#!/usr/bin/env bash
# Opens the window built in the given build directory.
set -euo pipefail
build_dir=$1
program="$build_dir/src/ui/harvela"
if [[ ! -x "$program" ]]; then
  echo "The window is not built yet: the amount-in-words logic and its tests are in place (try 'make test')."
  exit 0
fi
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display available: to try Harvela without one, run 'xvfb-run -a $program'."
  exit 1
fi
exec "$program"
