#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (native and under Wine) in one
# ctest run, whose summary is the last thing printed.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
bash "$here/setup.sh"
bash "$here/build.sh" all
source "$here/wine-env.sh"
cd "$dusk_repo"

source "$here/wine-session.sh"

printf 'subdirs("native")\nsubdirs("%s")\n' "$DUSK_TEST_BUILD" > build/CTestTestfile.cmake
ctest --test-dir build --output-on-failure -j "$(nproc)"
