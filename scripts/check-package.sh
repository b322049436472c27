#!/usr/bin/env bash
# Builds the .deb packages of a build folder into a temporary folder and
# checks them with lintian: no errors and no warnings. Exit 77 (skipped) when
# dpkg-shlibdeps or lintian is not installed.
#   scripts/check-package.sh BUILD_DIR
set -euo pipefail
build="$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)"
for tool in dpkg-shlibdeps lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed (scripts/setup-deps.sh --with-test-tools installs it): skipped"
        exit 77
    fi
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
debs=("$out"/*.deb)
for deb in "${debs[@]}"; do
    echo "== $(basename "$deb")"
    dpkg-deb --field "$deb" Package Version Depends
done
# lintian warns about running as root; that is not the packages' fault.
lintian --fail-on error,warning --tag-display-limit 0 "${debs[@]}" 2>&1 |
    grep -v 'running with root privileges' || true
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] && echo "lintian: no errors, no warnings"
exit "$status"
