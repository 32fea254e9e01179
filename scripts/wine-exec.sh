#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix (the ctest emulator).
# Without a display it starts a private Xvfb for the one run.
#
# The program's output goes through a file: Wine's services, when a program's run restarts them,
# inherit its output, and ctest would wait on a pipe they keep open until they end.
set -eu
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
output=$(mktemp)
trap 'cat "$output"; rm -f "$output"' EXIT
if [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "$DUSK_WINE" "$@" >"$output" 2>&1 </dev/null
else
    "$DUSK_WINE" "$@" >"$output" 2>&1 </dev/null
fi
