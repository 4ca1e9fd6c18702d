#!/usr/bin/env bash
# Runs every test through ctest, in a virtual display, with one wineserver kept
# alive for the whole run. A full run (no ctest arguments) also fuzzes for
# about 30 s and rewrites docs/fault-matrix.md from the rows the fault cases record.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

if [ -z "${SOUNDCFG_IN_XVFB:-}" ]; then
  SOUNDCFG_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

full_disk=$BUILD_DIR/full-disk
wineserver -p
trap 'wineserver -k; mountpoint -q "$full_disk" && umount "$full_disk"' EXIT
# Start Wine's services and desktop now, away from ctest: a service started by
# a test would inherit its output pipe and keep ctest waiting for it to close.
wine cmd /c exit </dev/null >/dev/null 2>&1

# The full-disk case needs a tiny file system that is already full.
mkdir -p "$full_disk"
mountpoint -q "$full_disk" && umount "$full_disk"
if mount_error=$(mount -t tmpfs -o size=16k tmpfs "$full_disk" 2>&1); then
  mkdir -p "$full_disk/pyma" "$full_disk/pym2"
  dd if=/dev/zero of="$full_disk/filler" bs=4k 2>/dev/null || true
  export SOUNDCFG_FULL_DISK
  SOUNDCFG_FULL_DISK=$(winepath -w "$full_disk" 2>/dev/null)
else
  export SOUNDCFG_FULL_DISK_SKIP="mounting a 16 KiB tmpfs was refused (${mount_error:-no reason given}); it needs root"
fi

export SOUNDCFG_MATRIX=$BUILD_DIR/fault-matrix.tsv
rm -f "$SOUNDCFG_MATRIX"

status=0
ctest --test-dir "$BUILD_DIR" --output-on-failure "$@" || status=$?
# The unit tests again, natively, under AddressSanitizer and UBSan.
ctest --test-dir "$BUILD_DIR/native" --output-on-failure "$@" || status=$?

if [ $# -eq 0 ]; then
  bash "$(dirname "$0")/fuzz.sh" 15 || status=$?
  if [ -s "$SOUNDCFG_MATRIX" ]; then
    bash "$(dirname "$0")/fault-matrix.sh" "$SOUNDCFG_MATRIX" >"$repo_root/docs/fault-matrix.md"
    echo "fault matrix: docs/fault-matrix.md"
  fi
fi
exit "$status"
