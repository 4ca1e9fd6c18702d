#!/usr/bin/env bash
# Makes the project's Wine prefix: CJK fonts mapped, every window in one
# virtual desktop with Windows-style title bars. Quick when it exists already.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

stamp=$WINEPREFIX/.soundcfg-ready
[ -f "$stamp" ] && exit 0

echo "wine-prefix: creating $WINEPREFIX"
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
wineboot -i >/dev/null 2>&1
wineserver -w

settings=$(mktemp --suffix=.reg)
trap 'rm -f "$settings"' EXIT
font='WenQuanYi Micro Hei'
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
wine regedit /S "$(winepath -w "$settings")" >/dev/null 2>&1
wineserver -w
touch "$stamp"
