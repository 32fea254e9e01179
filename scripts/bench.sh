#!/usr/bin/env bash
# Builds the benchmark programs natively without sanitizers (Release) and runs each of them.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo"
bash scripts/setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >build/bench.configure.log 2>&1 \
    || { cat build/bench.configure.log; exit 1; }
cmake --build build/bench -j "$(nproc)"
for program in build/bench/bench/*; do
    if [ -f "$program" ] && [ -x "$program" ]; then
        echo "== $(basename "$program")"
        "$program"
    fi
done
