#!/usr/bin/env bash
# Runs clang-tidy with the checks in .clang-tidy over our own sources (not
# moc output, not Qt's headers). Fails on the first warning.
# Usage: tools/run-clang-tidy.sh <build folder with compile_commands.json>
set -euo pipefail
build=$(realpath "$1")
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files 'app/*.cpp' 'bench/*.cpp' 'common/*.cpp' 'tests/*.cpp' 'tutorials/*.cpp')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${sources[@]/#/$PWD/}"
