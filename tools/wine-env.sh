# Sourced by the other scripts, with the build to run (i686 or x86_64): the
# Wine environment that build runs and is tested in, each with a prefix of its own.
source "$(dirname "${BASH_SOURCE[0]}")/host.sh"
wine_build=$1
program_dir=$(build_dir_of "$wine_build")
export WINEPREFIX=$program_dir/wineprefix
export WINEARCH
WINEARCH=$(wine_arch_of "$wine_build")
export WINELOADER
WINELOADER=$(wine_loader_of "$wine_build")
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
# Code page 950, so the Big5 message texts read right.
export LC_ALL=zh_TW.UTF-8

# The loader of this build's Wine, not whichever Debian's `wine` script picks.
wine() {
  "$WINELOADER" "$@"
}

unix_to_windows_path() {
  wine winepath.exe -w "$1" 2>/dev/null | tr -d '\r'
}

# Makes DIRECTORY an install directory with both sub-directories and registers
# it where the program looks for it.
register_install_directory() {
  mkdir -p "$1/pyma" "$1/pym2"
  wine reg.exe add 'HKEY_USERS\.Default\software\quillmar\veltrin' /v veltrin /t REG_SZ \
    /d "$(unix_to_windows_path "$1")" /f >/dev/null 2>&1
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
