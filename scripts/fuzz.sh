#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) in build/fuzz and runs each over a
# copy of its seed corpus, printing per target the inputs run and any crash. Not part of CI.
#   scripts/fuzz.sh [runs per target (1000000)] [target...]
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo"
runs="${1:-1000000}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(regional_formats stored_settings scheduled_job png_picture)

bash scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDUSK_FUZZ=ON -DDUSK_WERROR=ON >build/fuzz.configure.log 2>&1 \
    || { cat build/fuzz.configure.log; exit 1; }
cmake --build build/fuzz -j 2 --target "${targets[@]/%/_fuzzer}"

failures=0
for target in "${targets[@]}"; do
    work="build/fuzz/work/$target"
    rm -rf "$work" && mkdir -p "$work/corpus" "$work/crashes"
    cp fuzz/corpus/"$target"/* "$work/corpus/"
    log="$work/fuzz.log"
    status=0
    "build/fuzz/fuzz/${target}_fuzzer" -runs="$runs" -print_final_stats=1 \
        -artifact_prefix="$work/crashes/" "$work/corpus" >"$log" 2>&1 || status=$?
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    crashes=$(find "$work/crashes" -type f | wc -l)
    if [ "$status" -eq 0 ] && [ "$crashes" -eq 0 ]; then
        echo "$target: ${executed:-?} inputs, no crash"
    else
        failures=$((failures + 1))
        echo "$target: FAILED after ${executed:-?} inputs (exit $status); see $log"
        grep -m 5 -E 'ERROR:|runtime error:|check failed:' "$log" || true
        find "$work/crashes" -type f -printf '  input: %p\n'
    fi
done
exit $failures
