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

# Makes the prefix WINEPREFIX, unless it is ready: CJK fonts mapped, every
# window in one virtual desktop with Windows-style title bars.
prepare_wine_prefix() {
  local stamp=$WINEPREFIX/.soundcfg-ready
  [ -f "$stamp" ] && return 0

  echo "wine-prefix: creating $WINEPREFIX ($wine_build, $(wine --version))"
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wine wineboot.exe -i >/dev/null 2>&1
  wineserver -w

  local settings font='WenQuanYi Micro Hei'
  settings=$(mktemp --suffix=.reg)
  iconv -f UTF-8 -t UTF-16LE >"$settings" <<REG
$(printf '\xef\xbb\xbf')Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"新細明體"="$font"
"PMingLiU"="$font"
"MS Shell Dlg"="$font"
"Tahoma"="$font"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="800x600"
REG
  wine regedit.exe /S "$(unix_to_windows_path "$settings")" >/dev/null 2>&1
  wineserver -w
  rm -f "$settings"
  touch "$stamp"
}

# Starts this prefix's wineserver, kept alive until `wineserver -k`, and
# Wine's services and desktop with it: a service started later by a test
# would inherit the test runner's output pipe and keep it waiting.
start_wine() {
  wineserver -p >/dev/null 2>&1
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1
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
