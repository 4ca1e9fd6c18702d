#!/usr/bin/env bash
# `make run`: runs soundcfg on a demo install directory, then prints what it
# wrote. It shows the product wherever this host runs it under Wine, natively
# or emulated, else the x86_64 build. With a display the player works the
# dialog; without one it runs in a virtual display, where a screenshot is
# saved and OK is pressed. `demo.sh BUILD_DIR SCREENSHOT` does the latter in
# the caller's display and Wine session, for that build (the screenshot test).
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
source "$tools/host.sh"
build=${1:-$(shown_build)}
source "$tools/wine-session.sh" "$build"
demo=$build/demo-install

# demo [SCREENSHOT]
demo() {
  register_install_directory "$demo"
  rm -f "$demo/pyma/setup.sav" "$demo/pym2/setup.sav"
  echo "demo install directory: $demo (the $(basename "$build") build${SOUNDCFG_WINE_LAUNCHER:+, emulated})"
  wine "$build/soundcfg.exe" &
  program=$!
  if [ -z "${1:-}" ]; then
    wait "$program"
  else
    frame=$(wine "$build/wait_for_window.exe" "Orvanta設定程式" | tr -d '\r')
    sleep 1
    import -window root -crop "$frame" +repage "$1"
    echo "screenshot: $1"
    press_ok_until_exit "$program"
  fi
  for file in "$demo/pyma/setup.sav" "$demo/pym2/setup.sav"; do
    echo "$file:"
    [ -f "$file" ] && od -A d -t x1z "$file" || echo "  (not written)"
  done
}

in_session() { start_session; trap stop_session EXIT; demo "$@"; }

if [ $# -gt 0 ]; then demo "$2"
elif [ -n "${DISPLAY:-}" ]; then in_session
else in_display in_session "$build/demo-screenshot.png"; fi
