#!/usr/bin/env bash
# Checks that every include of the program's own headers points down the
# layer list, prints which layer includes which, and names every include that
# points up. Exit 1 when one does.
#
# One folder tree per layer:
#
#   1 data        src/model
#   2 recurrence  src/recurrence
#   3 platform    src/platform
#   4 export      src/export
#   5 sync        src/sync (calendar servers)
#   6 widgets     src/ui
#   7 app         src/app (the entry points)
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root/src"

names=(none data recurrence platform export sync widgets app)

layer_of() {
    case "$1" in
    model/*) echo 1 ;;
    recurrence/*) echo 2 ;;
    platform/*) echo 3 ;;
    export/*) echo 4 ;;
    sync/*) echo 5 ;;
    ui/*) echo 6 ;;
    app/*) echo 7 ;;
    *) echo 0 ;;
    esac
}

declare -A edges=()
bad=0
while IFS= read -r file; do
    from=$(layer_of "$file")
    [ "$from" -eq 0 ] && continue
    while IFS=: read -r line inc; do
        to=$(layer_of "$inc")
        [ "$to" -eq 0 ] && continue
        if [ "$to" -ne "$from" ]; then
            edges["${names[$from]} -> ${names[$to]}"]=1
        fi
        if [ "$to" -gt "$from" ]; then
            echo "src/$file:$line: ${names[$from]} includes ${names[$to]}: $inc" >&2
            bad=1
        fi
    done < <(grep -n -o -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+"' "$file" | sed -E 's/^([0-9]+):.*"([^"]+)"/\1:\2/')
done < <(find model recurrence platform export sync ui app -type f \( -name '*.cpp' -o -name '*.h' \) | sort)

echo "Layer graph (who includes whom):"
for e in "${!edges[@]}"; do echo "  $e"; done | sort
if [ "$bad" -ne 0 ]; then
    echo "Includes that point up the layer list were found (see above)." >&2
    exit 1
fi
echo "Every include points down the layer list."
