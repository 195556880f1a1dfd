#!/usr/bin/env bash
# Takes the README's pictures of the launcher and of each tutorial from the
# real program, under a private Xvfb, by clicking the launcher's buttons.
# Usage: tools/take-screenshots.sh <build folder> <output folder>
set -euo pipefail
build=$1
out=$2
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  "$build/bench/kestrin-screenshots" "$build/kestrin" "$out"
