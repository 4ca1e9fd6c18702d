# Sourced by the other scripts: the Wine environment soundcfg runs and is tested in.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$repo_root/build}
export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
# Code page 950, so the Big5 message texts read right.
export LC_ALL=zh_TW.UTF-8
