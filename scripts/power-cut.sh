#!/usr/bin/env bash
# Simulated power cuts: an ext4 file system on a loop device is shut down
# without flushing its journal (what a power loss leaves) while the crash
# driver adds, finishes, changes and deletes dues on it; then it is mounted
# again and the data folder checked: every due file must parse and nothing of
# ours may be left that a user would take for a due.
#
#   scripts/power-cut.sh [DRIVER] [CUTS]
#
# DRIVER defaults to build/tests/tallyvane_crashdriver, CUTS to 40. Needs
# root and loop devices; where they are not allowed it says so and exits 0.
set -uo pipefail
cd "$(dirname "$0")/.."
driver=${1:-build/tests/tallyvane_crashdriver}
cuts=${2:-40}

skip() {
    echo "power-cut: skipped ($*)"
    exit 0
}
[ -x "$driver" ] || { echo "power-cut: $driver not built" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || skip "needs root for loop devices and mounts"
command -v losetup >/dev/null && command -v mkfs.ext4 >/dev/null || skip "losetup or mkfs.ext4 missing"

work=$(mktemp -d)
# A copy of its own, so a rebuild meanwhile does not pull it away.
cp "$driver" "$work/driver"
driver="$work/driver"
image="$work/disk.img"
mnt="$work/mnt"
mkdir -p "$mnt"
truncate -s 512M "$image"
mkfs.ext4 -q -F "$image" || skip "mkfs.ext4 failed"
loop=$(losetup -f --show "$image" 2>/dev/null) || { rm -rf "$work"; skip "no loop device can be set up here"; }
cleanup() {
    umount "$mnt" 2>/dev/null
    losetup -d "$loop" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mount "$loop" "$mnt" 2>/dev/null || skip "mounting a loop device is not allowed here"
umount "$mnt"

failed=0
zero_total=0
problem_total=0
swept_total=0
whole_total=0
partial_total=0
finished_total=0
taken_back_total=0
for ((i = 1; i <= cuts; i++)); do
    mount "$loop" "$mnt" || { echo "cut $i: mount failed"; failed=1; break; }
    "$driver" work "$mnt/data" --seed "$i" >/dev/null 2>&1 &
    pid=$!
    # Anywhere from the load to the middle of a series or its rewrite.
    sleep "$(awk -v s="$i" 'BEGIN { srand(s); printf "%.2f", 0.3 + rand() * 2.5 }')"
    "$driver" shutdown "$mnt" || echo "cut $i: shutdown failed"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    umount "$mnt" || { echo "cut $i: umount failed"; failed=1; break; }
    # Mounting again replays what the journal holds, as after a reboot.
    mount "$loop" "$mnt" || { echo "cut $i: mount after the cut failed"; failed=1; break; }
    report=$("$driver" check "$mnt/data" 2>&1)
    status=$?
    summary=$(echo "$report" | tail -n 1)
    echo "cut $i: $summary"
    if [ $status -ne 0 ]; then
        echo "$report" | grep -E "^(problem|debris|partial):" | head -5
        failed=1
    fi
    echo "$report" | grep -E "^recovery:" | cut -c1-160
    # "dues N problems N zero-filled N swept N debris N placeholders N series-whole N series-partial N"
    field() { echo "$summary" | awk -v k="$1" '{ for (i = 1; i < NF; i++) if ($i == k) { print $(i + 1) + 0; exit } print 0 }'; }
    problem_total=$((problem_total + $(field problems)))
    zero_total=$((zero_total + $(field zero-filled)))
    swept_total=$((swept_total + $(field swept)))
    whole_total=$((whole_total + $(field series-whole)))
    partial_total=$((partial_total + $(field series-partial)))
    finished_total=$((finished_total + $(echo "$report" | grep -c "^recovery: .*was finished")))
    taken_back_total=$((taken_back_total + $(echo "$report" | grep -c "^recovery: .*taken back")))
    umount "$mnt"
done
echo "power-cut: $cuts cuts, $problem_total unreadable due files ($zero_total empty or zero-filled), $swept_total leftovers swept"
echo "power-cut: series after the cuts: $whole_total whole, $partial_total partial; interrupted changes finished $finished_total, taken back $taken_back_total"
exit $failed
