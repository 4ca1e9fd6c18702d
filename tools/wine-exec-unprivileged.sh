#!/usr/bin/env bash
# wine-exec-unprivileged.sh BUILD [PROGRAM [ARGUMENT...]]: runs a Windows
# test program of BUILD as a user without privileges, for the fault cases
# whose truth depends on file permissions: Wine run by root writes read-only
# files. An ordinary user is such a user already, and runs it as the other
# tests. Root runs it under an unused uid, with a home and Wine prefix of its
# own, and first makes the file of another user that one case needs. Without
# a program, root only makes that home and prefix.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
source "$tools/wine-env.sh" "$1"
shift

if [ -n "${SOUNDCFG_UNPRIVILEGED_HOME:-}" ]; then
  # Now the unused uid, with a wineserver of its own for this run.
  export WINEPREFIX=$SOUNDCFG_UNPRIVILEGED_HOME/wineprefix
  prepare_wine_prefix >/dev/null
  [ $# -gt 0 ] || exit 0
  start_wine
  status=0
  "$WINELOADER" "$@" || status=$?
  wineserver -k
  exit "$status"
fi

if [ "$(id -u)" -ne 0 ]; then
  export SOUNDCFG_FOREIGN_INSTALL_SKIP="only root can make a file that belongs to another user"
  exec "$WINELOADER" "$@"
fi

uid=61000
while getent passwd "$uid" >/dev/null || getent group "$uid" >/dev/null; do
  uid=$((uid + 1))
done
# The user may read everything, as a player may read the game's directory,
# so that it reaches the build wherever the checkout lies; what it may write
# is up to its uid alone.
as_user() {
  setpriv --reuid="$uid" --regid="$uid" --clear-groups \
    --inh-caps=+dac_read_search --ambient-caps=+dac_read_search "$@"
}
home=$program_dir/unprivileged
mkdir -p "$home"
chown -R "$uid:$uid" "$home"

# A scratch directory at a short path, for what the user must reach without
# its capability. First the install directory of another user's file, short
# because the program reads at most 64 bytes of install directory:
# pym2\setup.sav belongs to root, mode 0444; the rest is the user's.
scratch=$(mktemp -d /tmp/soundcfg-unprivileged.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
foreign=$scratch/install
mkdir -p "$foreign/pyma" "$foreign/pym2"
printf 'old pym2' >"$foreign/pym2/setup.sav"
chmod 0444 "$foreign/pym2/setup.sav"
chown "$uid:$uid" "$foreign" "$foreign/pyma"
export SOUNDCFG_FOREIGN_INSTALL="Z:${foreign//\//\\}"
# Then a copy of the X cookie file: the X library checks it with access(),
# which looks past capabilities.
cookie=$scratch/Xauthority
if [ -n "${XAUTHORITY:-}" ]; then
  cp "$XAUTHORITY" "$cookie"
  chown "$uid:$uid" "$cookie"
fi

# The fault rows go to a file the user may write, then to the run's own.
rows=$home/fault-matrix.tsv
: >"$rows"
chown "$uid:$uid" "$rows"
status=0
as_user env HOME="$home" USER=soundcfg-unprivileged XAUTHORITY="$cookie" \
  SOUNDCFG_UNPRIVILEGED_HOME="$home" SOUNDCFG_MATRIX="$rows" \
  bash "$0" "$wine_build" "$@" || status=$?
[ -n "${SOUNDCFG_MATRIX:-}" ] && cat "$rows" >>"$SOUNDCFG_MATRIX"
exit "$status"
