#!/usr/bin/env bash
# `make run`, on the product wherever this host runs it under Wine, natively
# or emulated, else on the x86_64 build: with a display the player works the
# dialog; without one it runs in a virtual display, where a screenshot is
# saved and OK is pressed.
set -euo pipefail
tools=$(dirname "$0")
source "$tools/host.sh"
build=$(shown_build)

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build/demo-screenshot.png"
fi
bash "$tools/wine-session.sh" "$build" start
trap 'bash "$tools/wine-session.sh" "$build" stop' EXIT
bash "$tools/demo.sh" "$build" "$@"
