#!/usr/bin/env bash
# Fails when an include runs against the layers, bottom up:
#   base <- controls <- companion <- core <- system <- shell
# A folder includes only its own layer and the layers below it. Portable code never includes
# Windows code (a win32/ folder, or the sources of Vimbly.dll in companion/dll/); Windows code may
# include its own portable folder and anything lower.
set -euo pipefail
cd "${1:-$(dirname "${BASH_SOURCE[0]}")/../..}"

layers=(base controls companion core system shell)
rank() {
    local i
    for i in "${!layers[@]}"; do
        if [ "${layers[$i]}" = "$1" ]; then echo "$i"; return; fi
    done
    echo -1
}
is_windows_path() { [[ "$1" == */win32/* || "$1" == companion/dll/* ]]; }

violations=0
while IFS= read -r file; do
    own=$(rank "${file%%/*}")
    while IFS=: read -r line included; do
        target=$(rank "${included%%/*}")
        [ "$target" -ge 0 ] || continue
        reason=""
        if [ "$target" -gt "$own" ]; then
            reason="includes a higher layer"
        elif is_windows_path "$included" && ! is_windows_path "$file"; then
            reason="portable code includes Windows code"
        fi
        if [ -n "$reason" ]; then
            echo "$file:$line: $reason: $included"
            violations=$((violations + 1))
        fi
    done < <(grep -n -o -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+"' "$file" \
                 | sed -E 's/^([0-9]+):.*"([^"]+)"/\1:\2/')
done < <(find "${layers[@]}" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

if [ "$violations" -gt 0 ]; then
    echo "$violations include(s) against the layers"
    exit 1
fi
echo "includes follow the layers"
