#!/usr/bin/env bash
# Makes the Wine prefix of each build this host runs under Wine: CJK fonts
# mapped, every window in one virtual desktop with Windows-style title bars.
# Quick when they exist already.
set -euo pipefail
tools=$(dirname "$0")
source "$tools/host.sh"

make_prefix() {
  source "$tools/wine-env.sh" "$1"
  local stamp=$WINEPREFIX/.soundcfg-ready
  [ -f "$stamp" ] && return 0

  echo "wine-prefix: creating $WINEPREFIX ($1, $(wine --version))"
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

for arch in $(wine_builds); do
  (make_prefix "$arch")
done
