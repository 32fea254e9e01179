#!/usr/bin/env bash
# Builds the Windows program (and, with "all", the native tests and the Windows tests).
#   scripts/build.sh windows   the Windows program only
#   scripts/build.sh all       native tree (ASan+UBSan) and Windows trees with their tests
# Warnings are errors unless DUSK_WERROR=OFF.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$dusk_repo"
what="${1:-all}"
werror="${DUSK_WERROR:-ON}"
jobs="$(nproc)"

configure_and_build() {  # dir, extra cmake arguments...
    local dir="$1"; shift
    cmake -S . -B "build/$dir" -G Ninja -DDUSK_WERROR="$werror" "$@" >"build/$dir.configure.log" 2>&1 \
        || { cat "build/$dir.configure.log"; exit 1; }
    cmake --build "build/$dir" -j "$jobs"
}

mkdir -p build
with_tests=OFF
[ "$what" = all ] && with_tests=ON

# The product: 32-bit Windows. Its tests are built here where this machine can run 32-bit code.
win32_tests=OFF
[ "$DUSK_TEST_BUILD" = win32 ] && win32_tests=$with_tests
configure_and_build win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DDUSK_WINDOWS_TESTS="$win32_tests"

# Where it cannot, the same sources for 64-bit Windows carry the Wine tests (and the run).
if [ "$DUSK_TEST_BUILD" = win64 ]; then
    configure_and_build win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
        -DDUSK_WINDOWS_TESTS="$with_tests"
fi

if [ "$what" = all ]; then
    configure_and_build native -DCMAKE_BUILD_TYPE=Debug -DDUSK_SANITIZE=ON \
        -DDUSK_WINDOWS_BIN_DIR="$dusk_repo/build/win32/bin"
fi
