#!/usr/bin/env bash
# Runs the display-scale test program at 96, 120, 144 and 192 DPI. Wine takes the DPI from
# LogPixels when its server starts, and restarting a server ends every program of its prefix,
# so this runs in a prefix of its own on a private Xvfb large enough for the 200 % windows.
#   scripts/dpi-captures.sh <display_scale_win32_test.exe>
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
test_program="$1"
source "$here/wine-env.sh"
export WINEPREFIX="$dusk_repo/build/wineprefix-dpi-$DUSK_WINE_ARCH"
unset WINESERVER

export DISPLAY=:$(( 400 + RANDOM % 100 ))
Xvfb "$DISPLAY" -screen 0 1800x1400x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill "$xvfb_pid" 2>/dev/null || true' EXIT
sleep 1
bash "$here/wine-prefix.sh"

set_dpi() {
    local key
    for key in 'HKCU\Control Panel\Desktop' \
               'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
        "$DUSK_WINE" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    done
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w
}

status=0
for dpi in 96 120 144 192; do
    echo "== $dpi DPI"
    set_dpi "$dpi"
    DUSK_EXPECTED_DPI=$dpi "$DUSK_WINE" "$test_program" </dev/null || status=1
done
set_dpi 96
exit "$status"
