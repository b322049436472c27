#!/usr/bin/env bash
# Checks desktop entries, AppStream metadata and manual pages with their own
# readers: desktop-file-validate, appstreamcli and man. Exit 77 (skipped)
# when a reader is not installed.
set -uo pipefail
need() {
    if ! command -v "$1" >/dev/null; then
        echo "$1 is not installed (scripts/setup-deps.sh --with-test-tools installs it): skipped"
        exit 77
    fi
}
need desktop-file-validate
need appstreamcli
need man
bad=0
for f in "$@"; do
    case "$f" in
    *.desktop) out=$(desktop-file-validate "$f" 2>&1) ;;
    # --no-net: the check needs no network; warnings count as failures.
    *.metainfo.xml) out=$(appstreamcli validate --no-net --explain "$f" 2>&1 | grep -E '^[EW]:' || true) ;;
    *.[1-8]) out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$f" 2>&1 >/dev/null) ;;
    *) out="unknown kind of file" ;;
    esac
    if [ -n "$out" ]; then
        echo "$f:"
        echo "$out"
        bad=1
    else
        echo "$f: valid"
    fi
done
exit $bad
