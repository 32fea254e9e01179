#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and starts it under Wine: on the current
# display, or in Xvfb when there is none, saving a screenshot and printing its path.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
bash "$here/setup.sh"
DUSK_WERROR=OFF bash "$here/build.sh" windows
source "$here/wine-env.sh"
cd "$dusk_repo"
exe="build/$DUSK_TEST_BUILD/bin/DuskRelay.exe"

if [ -n "${DISPLAY:-}" ]; then
    bash "$here/wine-prefix.sh"
    exec "$DUSK_WINE" "$exe"
fi

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb_pid >/dev/null 2>&1 || true' EXIT
export DISPLAY=$display
sleep 1
bash "$here/wine-prefix.sh"
"$DUSK_WINE" "$exe" &
program_pid=$!
sleep "${DUSK_RUN_SECONDS:-8}"
if ! kill -0 "$program_pid" 2>/dev/null; then
    wait "$program_pid" && status=0 || status=$?
    echo "DuskRelay.exe ended early (exit code $status)" >&2
    exit 1
fi
mkdir -p build/screenshots
shot="$dusk_repo/build/screenshots/run-$(date +%Y%m%d-%H%M%S).png"
import -window root "$shot"
echo "DuskRelay.exe is running under Wine in Xvfb; screenshot: $shot"
