#!/usr/bin/env bash
# How this project runs Windows programs under Wine, set here alone for the
# tests, the demo and the benchmark: the virtual display, Wine's desktop in
# it, Wine's environment, and the Wine command. `wine.sh PROGRAM [ARGUMENT...]`
# runs PROGRAM under the Wine of the build whose environment it is given (its
# wine.env, or ctest's: each MinGW build's toolchain names this file as its
# emulator); `wine.sh --display COMMAND...` runs COMMAND in a virtual display.
# Sourced, it gives the settings and the commands as variables and functions;
# only the commands set Wine's environment, for themselves alone.

screen=1024x768x24
# Every window in one Wine desktop (tools/wine-prefix.reg), inside the screen.
desktop=800x600

wine32_loader=/usr/lib/wine/wine
# 64-bit: it runs natively where the 32-bit loader is emulated, and serves
# 32-bit programs too.
wine_server=/usr/lib/wine/wineserver64

# Wine's errors only, so that a start that fails says why; no prompts for
# Wine's .NET and HTML engines; code page 950, for the Big5 message texts; the
# loader of the build's WINEARCH. Without address randomization, which now and
# then lays something where Wine maps its shared user data; the permission
# cases' Wine in a user namespace that maps no user (SOUNDCFG_UNPRIVILEGED), so
# no capability lets it past a file's mode; the emulation launcher first,
# where there is one.
wine() {
  local loader=$wine32_loader
  [ "${WINEARCH:-}" = win32 ] || loader+=64
  env WINEDEBUG=-all,err+all WINEDLLOVERRIDES=mscoree,mshtml= LC_ALL=zh_TW.UTF-8 WINELOADER="$loader" \
    WINESERVER="$wine_server" ${SOUNDCFG_WINE_LAUNCHER:+"$SOUNDCFG_WINE_LAUNCHER"} setarch -R \
    ${SOUNDCFG_UNPRIVILEGED:+unshare --user} "$loader" "$@"
}
wineserver() { ${SOUNDCFG_WINE_LAUNCHER:+"$SOUNDCFG_WINE_LAUNCHER"} "$wine_server" "$@"; }

# Runs a command in a virtual display of its own. Xvfb picks a free display
# number itself, so that two started side by side do not race for one.
in_display() {
  local numbers display xvfb status=0
  exec {numbers}< <(exec Xvfb -displayfd 1 -nolisten tcp -screen 0 "$screen" 2>/dev/null)
  xvfb=$!
  read -r display <&"$numbers"
  DISPLAY=:$display "$@" || status=$?
  kill "$xvfb"
  return "$status"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  if [ "${1:-}" = --display ]; then in_display "${@:2}"; else wine "$@"; fi
fi
