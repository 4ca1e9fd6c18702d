#!/usr/bin/env bash
# wine-exec.sh BUILD PROGRAM [ARGUMENT...]: runs a Windows program of BUILD
# (i686 or x86_64) in that build's Wine prefix.
source "$(dirname "$0")/wine-env.sh" "$1"
shift
exec "$WINELOADER" "$@"
