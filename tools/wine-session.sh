#!/usr/bin/env bash
# wine-session.sh BUILD_DIR start|stop: starts the Wine session the Windows
# programs of that build run in, making its prefix first if need be, and stops
# it. Sourced with BUILD_DIR alone, it gives a script that build's Wine
# (tools/wine.sh).
set -euo pipefail
tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$1/wine.env"
source "$tools/wine.sh"

# The prefix is ready once its settings are in, and is made anew when they or
# Wine change: its stamp names both. The permission cases get a copy of their
# own, of links to the same files: a prefix names its server, and theirs must
# run without privileges, as they do. Wine replaces a registry file rather
# than rewrite it.
start_session() {
  local settings version stamp
  settings=$(sed "s/@DESKTOP@/$desktop/" "$tools/wine-prefix.reg")
  version=$(wine --version)
  stamp=$(echo "$version $settings" | sha256sum)
  if [ "$(cat "$WINEPREFIX/.soundcfg-ready" 2>/dev/null)" != "$stamp" ]; then
    echo "making the Wine prefix $WINEPREFIX ($version)"
    rm -rf "$WINEPREFIX" "$SOUNDCFG_UNPRIVILEGED_PREFIX"
    wine wineboot.exe -i >/dev/null 2>&1
    iconv -f UTF-8 -t UTF-16 <<<"$settings" >"$WINEPREFIX/drive_c/soundcfg.reg"
    wine regedit.exe /S 'C:\soundcfg.reg' >/dev/null 2>&1
    wineserver -w
    cp -al "$WINEPREFIX" "$SOUNDCFG_UNPRIVILEGED_PREFIX"
    rm -f "$SOUNDCFG_UNPRIVILEGED_PREFIX/wineserver"
    echo "$stamp" >"$WINEPREFIX/.soundcfg-ready"
  fi
  # A server left by a run cut short goes first. Wine's services start now,
  # with nowhere to write: started later by a test, they would keep its
  # output pipe open and the test runner waiting.
  stop_session
  wineserver -w
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1
}

stop_session() {
  wineserver -k 2>/dev/null || true
  WINEPREFIX=$SOUNDCFG_UNPRIVILEGED_PREFIX wineserver -k 2>/dev/null || true
}

# Wine's Z: drive is the Unix root.
windows_path() {
  echo "Z:${1//\//\\}"
}

# Makes DIRECTORY an install directory with both sub-directories and registers
# it where the program looks for it.
register_install_directory() {
  mkdir -p "$1/pyma" "$1/pym2"
  wine reg.exe add 'HKEY_USERS\.Default\software\quillmar\veltrin' /v veltrin /t REG_SZ \
    /d "$(windows_path "$1")" /f >/dev/null 2>&1
}

# Presses Enter, the dialog's OK, with real input until the program PID ends:
# a dialog that has just appeared may not have the keyboard yet.
press_ok_until_exit() {
  while kill -0 "$1" 2>/dev/null; do
    xdotool key Return
    sleep 0.5
  done
  wait "$1"
}

[ -z "${2:-}" ] || "$2_session"
