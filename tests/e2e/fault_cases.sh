#!/usr/bin/env bash
# fault_cases.sh BUILD_DIR start|stop: prepares what some fault cases of that
# build need and the test run alone can make, then takes it away: the head of
# their table, a tiny file system that is already full, and an install
# directory whose pym2 file belongs to another user. Where one cannot be
# made, the reason goes in its directory, and the case that needs it skips.
tests=$(cd "$(dirname "$0")" && pwd)
source "$tests/../../tools/wine-session.sh" "$1"
full=$SOUNDCFG_FULL_DISK
foreign=$SOUNDCFG_FOREIGN_INSTALL

start() {
  stop
  local mode=${SOUNDCFG_WINE_LAUNCHER:+, emulated}
  sed "s|@ROWS_FROM@|the $(basename "$1") build, under $(wine --version)$mode|" \
    "$tests/fault_matrix_head.md" >"$SOUNDCFG_MATRIX"

  mkdir -p "$full" "$foreign/pyma" "$foreign/pym2"
  if why=$(mount -t tmpfs -o size=16k tmpfs "$full" 2>&1); then
    mkdir "$full/pyma" "$full/pym2"
    dd if=/dev/zero of="$full/filler" bs=4k 2>/dev/null || true
  else
    echo "mounting a 16 KiB tmpfs was refused (${why:-no reason given}); it needs root" >"$full/not-prepared"
  fi
  printf 'old pym2' >"$foreign/pym2/setup.sav"
  chmod 0444 "$foreign/pym2/setup.sav"
  chown nobody "$foreign/pym2/setup.sav" 2>/dev/null ||
    echo "only root can make a file that belongs to another user" >"$foreign/not-prepared"
}

stop() {
  ! mountpoint -q "$full" || umount "$full"
  rm -rf "$full" "$foreign"
}

"$2" "$1"
