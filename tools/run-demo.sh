#!/usr/bin/env bash
# `make run`, on the first build this host runs under Wine: with a display the
# player works the dialog; without one it runs in a virtual display, where a
# screenshot is saved and OK is pressed.
set -euo pipefail
tools=$(dirname "$0")
source "$tools/host.sh"
source "$tools/wine-env.sh" "$(first_wine_build)"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program_dir/demo-screenshot.png"
fi

wineserver -p
trap 'wineserver -k' EXIT
bash "$tools/demo.sh" "$wine_build" "$@"
