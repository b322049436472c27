#!/usr/bin/env bash
# Fails when a source file is not formatted as .clang-format says; names them.
set -euo pipefail
cd "$(dirname "$0")/.."
fmt=$(command -v clang-format || command -v clang-format-14 || true)
if [ -z "$fmt" ]; then
    echo "clang-format is not installed (scripts/setup-deps.sh installs it)" >&2
    exit 1
fi
mapfile -t files < <(find src tests bench dist fuzz -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)
if ! "$fmt" --dry-run --Werror "${files[@]}" 2>/tmp/tallyvane-format.log; then
    grep -o '^[^:]*:[0-9]*' /tmp/tallyvane-format.log | sort -u | sed 's/^/not formatted: /' >&2
    echo "Run 'make format' to format them." >&2
    exit 1
fi
echo "All ${#files[@]} source files are formatted."
