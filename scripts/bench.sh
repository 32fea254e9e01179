#!/usr/bin/env bash
# Runs the benchmarks:
# - the native benchmark programs, built in Release without sanitizers;
# - start-up and memory of DuskRelay.exe against a bare Win32 window of the same size, in one
#   Wine session, alternating the two programs: milliseconds from launch until the window is
#   visible, and the private memory (RssAnon) of the process once idle. Prints the medians and
#   the ratios. DUSK_BENCH_STARTS sets the starts of each program (default 10).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/.." && pwd)"
cd "$repo"
bash scripts/setup.sh
mkdir -p build
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >build/bench.configure.log 2>&1 \
    || { cat build/bench.configure.log; exit 1; }
cmake --build build/bench -j "$(nproc)"
for program in build/bench/bench/*; do
    if [ -f "$program" ] && [ -x "$program" ]; then
        echo "== $(basename "$program")"
        "$program"
    fi
done

DUSK_WERROR=OFF bash scripts/build.sh windows >/dev/null
source scripts/wine-env.sh
bin="$repo/build/$DUSK_TEST_BUILD/bin"
echo "== start-up and memory under Wine: the $DUSK_TEST_BUILD build ($DUSK_WINE_ARCH prefix)"
source scripts/wine-session.sh

# One measurement: prints "<ms> <RssAnon kB>".
measure() {  # exe, window text
    local out pid rss=""
    out=$(mktemp)
    "$DUSK_WINE" "$bin/startup_probe.exe" "$(dusk_windows_path "$bin/$1")" "$2" 3000 >"$out" 2>/dev/null &
    local probe=$!
    for _ in $(seq 300); do grep -q visible "$out" && break; sleep 0.05; done
    sleep 2  # idle
    pid=$(pgrep -n -f "$1" || true)
    [ -n "$pid" ] && rss=$(awk '/^RssAnon:/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
    wait "$probe" || true
    echo "$(awk '/visible/ {print $2}' "$out") ${rss:-0}"
    rm -f "$out"
}
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

starts="${DUSK_BENCH_STARTS:-10}"
: >build/bench-bare.txt
: >build/bench-program.txt
for _ in $(seq "$starts"); do
    measure bare_window.exe "Bare Window" >>build/bench-bare.txt
    measure DuskRelay.exe "123456" >>build/bench-program.txt
done
bare_ms=$(cut -d' ' -f1 build/bench-bare.txt | median)
program_ms=$(cut -d' ' -f1 build/bench-program.txt | median)
bare_kb=$(cut -d' ' -f2 build/bench-bare.txt | median)
program_kb=$(cut -d' ' -f2 build/bench-program.txt | median)
printf '%-14s %12s %16s\n' "" "start-up ms" "RssAnon kB"
printf '%-14s %12s %16s\n' "bare window" "$bare_ms" "$bare_kb"
printf '%-14s %12s %16s\n' "DuskRelay.exe" "$program_ms" "$program_kb"
awk -v a="$program_ms" -v b="$bare_ms" -v c="$program_kb" -v d="$bare_kb" \
    'BEGIN {printf "ratios: start-up %.2f (target 1.60), memory %.2f (target 2.00)\n", a / b, c / d}'
