#!/usr/bin/env bash
# The setup must be a 32-bit NSIS program made after the files it packs (bin folder, setup file).
set -u
bin="$1"
setup="$2"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ -f "$setup" ] || { echo "FAIL: $setup missing"; exit 1; }
kind=$(file -b "$setup")
[[ "$kind" == "PE32 executable (GUI) Intel 80386"* ]] || fail "not a PE32 GUI i386 program: $kind"
[[ "$kind" == *"Nullsoft Installer self-extracting archive"* ]] || fail "not an NSIS setup: $kind"
for packed in DuskRelay.exe Vimbly.dll; do
    [ "$setup" -nt "$bin/$packed" ] || fail "$(basename "$setup") is older than $packed"
done

[ $failures -eq 0 ] && echo "Windows setup OK"
exit $failures
