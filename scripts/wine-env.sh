# Sourced by the Wine scripts: picks how Windows programs run on this machine.
# Where the machine executes 32-bit code, the i686 build runs in a 32-bit prefix. Where it does not
# (some virtual machines have no 32-bit mode), the same sources built for x86_64 run in a 64-bit prefix.
dusk_repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if /lib/ld-linux.so.2 --version >/dev/null 2>&1 && [ -x /usr/lib/wine/wine ]; then
    DUSK_WINE_ARCH=win32
    DUSK_WINE=/usr/lib/wine/wine
    DUSK_TEST_BUILD=win32
else
    DUSK_WINE_ARCH=win64
    DUSK_WINE=/usr/lib/wine/wine64
    DUSK_TEST_BUILD=win64
    export WINELOADER=$DUSK_WINE
fi
export WINEARCH=$DUSK_WINE_ARCH
export WINEPREFIX="${WINEPREFIX:-$dusk_repo/build/wineprefix-$DUSK_WINE_ARCH}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# A Unix path as the Windows programs see it (Z: is the Unix root). Not winepath: it runs the
# 32-bit loader, which some machines cannot execute.
dusk_windows_path() { local p; p="$(realpath -m "$1")"; printf 'Z:%s' "${p//\//\\}"; }
