#!/usr/bin/env bash
# Runs soundcfg on a demo install directory, then prints what it wrote. With
# a display the player works the dialog; without one the run happens in a
# virtual display, a screenshot is saved and OK is pressed with real input.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${SOUNDCFG_IN_XVFB:-}" ]; then
  SOUNDCFG_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

demo=$BUILD_DIR/demo-install
mkdir -p "$demo/pyma" "$demo/pym2"
rm -f "$demo/pyma/setup.sav" "$demo/pym2/setup.sav"

wineserver -p
trap 'wineserver -k' EXIT
wine reg add 'HKEY_USERS\.Default\software\quillmar\veltrin' /v veltrin /t REG_SZ \
  /d "$(winepath -w "$demo")" /f >/dev/null 2>&1
echo "demo install directory: $demo"

if [ -n "${SOUNDCFG_IN_XVFB:-}" ]; then
  wine "$BUILD_DIR/soundcfg.exe" &
  program=$!
  wine "$BUILD_DIR/wait_for_window.exe" "Orvanta設定程式"
  sleep 1
  screenshot=$BUILD_DIR/demo-screenshot.png
  import -window root -crop 800x600+0+0 +repage "$screenshot"
  echo "screenshot: $screenshot"
  # Enter presses the default button, OK.
  xdotool key Return
  wait "$program"
else
  wine "$BUILD_DIR/soundcfg.exe"
fi

for file in "$demo/pyma/setup.sav" "$demo/pym2/setup.sav"; do
  echo "$file:"
  if [ -f "$file" ]; then od -A d -t x1z "$file"; else echo "  (not written)"; fi
done
