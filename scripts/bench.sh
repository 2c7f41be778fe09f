#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Runs every benchmark binary of the given Release build directory.
set -euo pipefail
build_dir=$1
shopt -s nullglob
benches=("$build_dir"/bench/*_bench)
if [[ ${#benches[@]} -eq 0 ]]; then
  echo "No benchmarks built in $build_dir/bench." >&2
  exit 1
fi
for bench in "${benches[@]}"; do
  echo "== $(basename "$bench")"
  "$bench"
done
