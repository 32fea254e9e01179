# Sourced after wine-env.sh: one Wine session for the rest of the calling script, on the current
# display or on a private Xvfb, ended when the script exits. One server and one set of Wine's own
# services serve every program started meanwhile, so each starts faster. The services are
# started here with their output detached: started by a test, they would hold its output pipe
# open and ctest would wait for them.
dusk_xvfb_pid=""
dusk_end_wine_session() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$dusk_xvfb_pid" ] && kill "$dusk_xvfb_pid" >/dev/null 2>&1 || true
}
trap dusk_end_wine_session EXIT
if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:$(( 90 + RANDOM % 100 ))
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    dusk_xvfb_pid=$!
    sleep 1
fi
bash "$dusk_repo/scripts/wine-prefix.sh"
wineserver -p600
"$DUSK_WINE" wineboot >/dev/null 2>&1 </dev/null
