# Sourced by the other scripts: the Wine environment soundcfg runs and is tested in.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$repo_root/build}
export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
# Code page 950, so the Big5 message texts read right.
export LC_ALL=zh_TW.UTF-8

# Makes DIRECTORY an install directory with both sub-directories and registers
# it where the program looks for it.
register_install_directory() {
  mkdir -p "$1/pyma" "$1/pym2"
  wine reg add 'HKEY_USERS\.Default\software\quillmar\veltrin' /v veltrin /t REG_SZ \
    /d "$(winepath -w "$1")" /f >/dev/null 2>&1
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
