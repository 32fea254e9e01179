#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix (the ctest emulator).
# Without a display it starts a private Xvfb for the one run.
set -eu
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$DUSK_WINE" "$@"
fi
exec "$DUSK_WINE" "$@"
