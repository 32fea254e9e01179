#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (native and under Wine) in one
# ctest run, whose summary is the last thing printed.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
bash "$here/setup.sh"
bash "$here/build.sh" all
source "$here/wine-env.sh"
cd "$dusk_repo"

xvfb_pid=""
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    display=:$(( 90 + RANDOM % 100 ))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=$display
    sleep 1
fi
bash "$here/wine-prefix.sh"
# One server and one set of Wine's own services for the whole run, so each test starts faster.
# The services are started here with their output detached: started by a test, they would hold
# its output pipe open and ctest would wait for them.
wineserver -p600
"$DUSK_WINE" wineboot >/dev/null 2>&1 </dev/null

printf 'subdirs("native")\nsubdirs("%s")\n' "$DUSK_TEST_BUILD" > build/CTestTestfile.cmake
ctest --test-dir build --output-on-failure -j "$(nproc)"
