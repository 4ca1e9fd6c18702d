#!/usr/bin/env bash
# demo.sh BUILD_DIR [SCREENSHOT]: runs soundcfg of that build on the demo
# install directory in the current display, then prints what it wrote. Given
# a file name, it saves a screenshot of the dialog there and presses OK with a
# real key press instead of waiting for the player. The caller keeps the Wine
# session running.
set -euo pipefail
source "$(dirname "$0")/wine-session.sh" "$1"
screenshot=${2:-}

demo=$1/demo-install
register_install_directory "$demo"
rm -f "$demo/pyma/setup.sav" "$demo/pym2/setup.sav"
echo "demo install directory: $demo (the $(basename "$1") build${SOUNDCFG_WINE_LAUNCHER:+, emulated})"

if [ -z "$screenshot" ]; then
  wine "$1/soundcfg.exe"
else
  wine "$1/soundcfg.exe" &
  program=$!
  frame=$(wine "$1/wait_for_window.exe" "Orvanta設定程式" | tr -d '\r')
  sleep 1
  import -window root -crop "$frame" +repage "$screenshot"
  echo "screenshot: $screenshot"
  press_ok_until_exit "$program"
fi

for file in "$demo/pyma/setup.sav" "$demo/pym2/setup.sav"; do
  echo "$file:"
  if [ -f "$file" ]; then od -A d -t x1z "$file"; else echo "  (not written)"; fi
done
