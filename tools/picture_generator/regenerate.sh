#!/usr/bin/env bash
# Builds the picture generator and redraws every picture, pictures.rc and the application icon.
#   tools/picture_generator/regenerate.sh
# DUSK_GENERATOR_BUILD overrides the build directory (default build/generator).
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${DUSK_GENERATOR_BUILD:-$repo/build/generator}"
cmake -S "$repo/tools/picture_generator" -B "$build"
cmake --build "$build"
"$build/make_pictures" "$repo/resources/pictures"
