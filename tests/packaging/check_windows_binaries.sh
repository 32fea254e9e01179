#!/usr/bin/env bash
# DuskRelay.exe must be a 32-bit GUI program for Intel 80386 that asks for administrator rights
# and is aware of each monitor's DPI, needs only known system DLLs and Vimbly.dll, and Vimbly.dll
# must export the ten calls undecorated; neither loads COM at start-up.
set -u
bin="$1"
exe="$bin/DuskRelay.exe"
dll="$bin/Vimbly.dll"
objdump=i686-w64-mingw32-objdump
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ -f "$exe" ] || { echo "FAIL: $exe missing"; exit 1; }
[ -f "$dll" ] || { echo "FAIL: $dll missing"; exit 1; }

file -b "$exe" | grep -q '^PE32 executable (GUI) Intel 80386' || fail "not a PE32 GUI i386 program: $(file -b "$exe")"
file -b "$dll" | grep -q '^PE32 executable (DLL) (GUI) Intel 80386' || fail "Vimbly.dll is not a 32-bit DLL: $(file -b "$dll")"

grep -q 'level="requireAdministrator"' "$exe" || fail "manifest does not ask for administrator rights"
grep -q 'Microsoft.Windows.Common-Controls' "$exe" || fail "manifest does not ask for common controls 6"
grep -q 'PerMonitorV2' "$exe" && grep -q 'true/pm' "$exe" ||
    fail "manifest does not declare per-monitor DPI awareness with its fallback"

# Load-time imports resolve before the program can limit the DLL search: beside Vimbly.dll they
# may only name the system's known DLLs (always taken from the system folder); the common
# controls, allowed through the manifest, are loaded later too, since their start-up loads the
# theme library. Vimbly.dll itself needs only known DLLs.
known_dlls="advapi32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll ntdll.dll ole32.dll
oleaut32.dll psapi.dll rpcrt4.dll setupapi.dll shell32.dll shlwapi.dll user32.dll ws2_32.dll"
load_time_imports() { $objdump -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u; }
check_imports() {  # file, allowed names beyond the known DLLs
    local file="$1" allowed=" $(echo $known_dlls) $2 "
    for dllname in $(load_time_imports "$file"); do
        [[ "$allowed" == *" $dllname "* ]] || fail "$(basename "$file") needs $dllname at load time"
    done
}
check_imports "$exe" "vimbly.dll"
check_imports "$dll" ""
# COM is loaded when a task is set or read, not at every start.
for file in "$exe" "$dll"; do
    load_time_imports "$file" | grep -qxE 'ole32.dll|oleaut32.dll' &&
        fail "$(basename "$file") loads COM at start-up"
done
imports=$(load_time_imports "$exe")
echo "$imports" | grep -qx vimbly.dll || fail "DuskRelay.exe does not import Vimbly.dll at load time"

exports=$($objdump -p "$dll" | sed -n 's/^\s*\[ *[0-9]*\] \(g_VimblyDLL_[A-Za-z@0-9_]*\)$/\1/p' | sort)
expected="g_VimblyDLL_AddForm g_VimblyDLL_ChangeSize g_VimblyDLL_FormStyle g_VimblyDLL_GetOSInfo
g_VimblyDLL_InitDLL g_VimblyDLL_MessageBox g_VimblyDLL_SetSkin g_VimblyDLL_ShowOurProducts
g_VimblyDLL_ShowVimbly g_VimblyDLL_VisitHomePage"
[ "$(echo $exports)" = "$(echo $expected)" ] || fail "Vimbly.dll exports: $(echo $exports)"

[ $failures -eq 0 ] && echo "Windows binaries OK"
exit $failures
