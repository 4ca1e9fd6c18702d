#!/usr/bin/env bash
# Runs every test through ctest, in a virtual display, with one wineserver kept
# alive for the whole run.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

if [ -z "${SOUNDCFG_IN_XVFB:-}" ]; then
  SOUNDCFG_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

wineserver -p
trap 'wineserver -k' EXIT
# Start Wine's services and desktop now, away from ctest: a service started by
# a test would inherit its output pipe and keep ctest waiting for it to close.
wine cmd /c exit </dev/null >/dev/null 2>&1
ctest --test-dir "$BUILD_DIR" --output-on-failure "$@"
# The unit tests again, natively, under AddressSanitizer and UBSan.
ctest --test-dir "$BUILD_DIR/native" --output-on-failure "$@"
