#!/usr/bin/env bash
# wine-exec-unprivileged.sh BUILD PROGRAM [ARGUMENT...]: runs a Windows test
# program of BUILD as a user without privileges, for the fault cases whose
# truth depends on file permissions: Wine run by root writes read-only files.
# An ordinary user is such a user already, and runs it as the other tests.
# Root runs it under an unused uid, with a home and Wine prefix of its own,
# and first makes the file of another user that one case needs.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
source "$tools/wine-env.sh" "$1"
shift

if [ -n "${SOUNDCFG_UNPRIVILEGED_HOME:-}" ]; then
  # Now the unused uid, with a wineserver of its own for this run.
  export WINEPREFIX=$SOUNDCFG_UNPRIVILEGED_HOME/wineprefix
  prepare_wine_prefix >/dev/null
  wineserver -p
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1
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
as_user() {
  setpriv --reuid="$uid" --regid="$uid" --clear-groups "$@"
}
# The install directory of another user's file, at a short path: the program
# reads at most 64 bytes of install directory. pym2\setup.sav belongs to
# root, mode 0444; the rest is the user's.
foreign=$(mktemp -d /tmp/soundcfg-foreign.XXXXXX)
cleanup=("$foreign")
trap 'rm -rf "${cleanup[@]}"' EXIT
mkdir -p "$foreign/pyma" "$foreign/pym2"
printf 'old pym2' >"$foreign/pym2/setup.sav"
chmod 755 "$foreign"
chmod 0444 "$foreign/pym2/setup.sav"
chown "$uid:$uid" "$foreign" "$foreign/pyma"
export SOUNDCFG_FOREIGN_INSTALL="Z:${foreign//\//\\}"

home=$program_dir/unprivileged
runner=$tools/wine-exec-unprivileged.sh
mkdir -p "$home"
# Another user reaches nothing in a checkout whose parents shut others out;
# then the home is a temporary directory, and the programs and these scripts
# are copied into it.
if ! as_user test -x "$program_dir"; then
  home=$(mktemp -d)
  cleanup+=("$home")
  chmod 755 "$home"
  cp -r "$tools" "$home/tools"
  runner=$home/tools/wine-exec-unprivileged.sh
  copied=()
  for argument in "$@"; do
    case $argument in
      --program=*) cp "${argument#--program=}" "$home/"; argument=--program=$home/${argument##*/} ;;
      *.exe) cp "$argument" "$home/"; argument=$home/${argument##*/} ;;
    esac
    copied+=("$argument")
  done
  set -- "${copied[@]}"
fi
[ -n "${XAUTHORITY:-}" ] && cp "$XAUTHORITY" "$home/.Xauthority"
chown -R "$uid:$uid" "$home"

# The fault rows go to a file the user may write, then to the run's own.
rows=$home/fault-matrix.tsv
: >"$rows"
chown "$uid:$uid" "$rows"
status=0
as_user env HOME="$home" USER=soundcfg-unprivileged XAUTHORITY="$home/.Xauthority" \
  SOUNDCFG_UNPRIVILEGED_HOME="$home" SOUNDCFG_MATRIX="$rows" \
  bash "$runner" "$wine_build" "$@" || status=$?
[ -n "${SOUNDCFG_MATRIX:-}" ] && cat "$rows" >>"$SOUNDCFG_MATRIX"
exit "$status"
