#!/usr/bin/env bash
# `make run`: with a display the player works the dialog; without one it runs
# in a virtual display, where a screenshot is saved and OK is pressed.
set -euo pipefail
tools=$(dirname "$0")
source "$tools/wine-env.sh"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$BUILD_DIR/demo-screenshot.png"
fi

wineserver -p
trap 'wineserver -k' EXIT
bash "$tools/demo.sh" "$@"
