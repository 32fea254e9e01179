#!/usr/bin/env bash
# Creates the project's own Wine prefix once.
set -eu
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix ($WINEARCH) in $WINEPREFIX ..."
    mkdir -p "$(dirname "$WINEPREFIX")"
    if [ -z "${DISPLAY:-}" ]; then
        xvfb-run -a "$DUSK_WINE" wineboot --init
    else
        "$DUSK_WINE" wineboot --init
    fi
    wineserver -w
fi
