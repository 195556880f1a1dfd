#!/usr/bin/env bash
# Runs clang-tidy with the checks in .clang-tidy over our own sources (not
# moc output, not Qt's headers). Any warning fails the run.
# Usage: tools/run-clang-tidy.sh <build folder with compile_commands.json>
set -euo pipefail
build=$(realpath "$1")
if ! command -v run-clang-tidy >/dev/null; then
  echo "clang-tidy is not installed; on Debian: sudo apt-get install clang-tidy" >&2
  exit 1
fi
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files --cached --others --exclude-standard 'app/*.cpp' 'bench/*.cpp' 'common/*.cpp' 'tests/*.cpp' 'tutorials/*.cpp')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${sources[@]/#/$PWD/}"
