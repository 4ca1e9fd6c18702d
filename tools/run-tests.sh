#!/usr/bin/env bash
# Runs every test through ctest, in a virtual display: for each build, its
# Wine tests where this host runs that build under Wine (tools/host.sh), with
# one wineserver kept alive for the build's run, and its other tests anyway.
# Each Wine build's fault cases leave their table in its build directory. A
# full run (no ctest arguments) also fuzzes for about 20 s.
set -euo pipefail
tools=$(dirname "$0")
source "$tools/host.sh"

if [ -z "${SOUNDCFG_IN_XVFB:-}" ]; then
  SOUNDCFG_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

# The full-disk case needs a tiny file system that is already full, at a
# short path: the program reads at most 64 bytes of install directory.
full_disk=$(mktemp -d /tmp/soundcfg-full.XXXXXX)
trap 'mountpoint -q "$full_disk" && umount "$full_disk"; rmdir "$full_disk"' EXIT
if mount_error=$(mount -t tmpfs -o size=16k tmpfs "$full_disk" 2>&1); then
  mkdir -p "$full_disk/pyma" "$full_disk/pym2"
  dd if=/dev/zero of="$full_disk/filler" bs=4k 2>/dev/null || true
  # Wine's Z: drive is the Unix root.
  export SOUNDCFG_FULL_DISK="Z:${full_disk//\//\\}"
else
  export SOUNDCFG_FULL_DISK_SKIP="mounting a 16 KiB tmpfs was refused (${mount_error:-no reason given}); it needs root"
fi

run_wine_tests() {
  source "$tools/wine-env.sh" "$1"
  start_wine
  export SOUNDCFG_MATRIX=$program_dir/fault-matrix.tsv
  rm -f "$SOUNDCFG_MATRIX"
  local status=0
  ctest --test-dir "$program_dir" --output-on-failure "${@:2}" || status=$?
  if [ -s "$SOUNDCFG_MATRIX" ]; then
    bash "$tools/fault-matrix.sh" "$SOUNDCFG_MATRIX" "the $1 build, under $(wine --version)" \
      >"$program_dir/fault-matrix.md"
    echo "fault matrix: $program_dir/fault-matrix.md"
  fi
  wineserver -k
  return "$status"
}

status=0
for arch in "${soundcfg_builds[@]}"; do
  if runs_under_wine "$arch"; then
    (run_wine_tests "$arch" "$@") || status=$?
  else
    ctest --test-dir "$(build_dir_of "$arch")" --output-on-failure --label-exclude wine "$@" || status=$?
  fi
done
# The unit tests again, natively, under AddressSanitizer and UBSan.
ctest --test-dir "$BUILD_DIR/native" --output-on-failure "$@" || status=$?

if [ $# -eq 0 ]; then
  bash "$tools/fuzz.sh" 10 || status=$?
fi

wine_builds=$(wine_builds)
why_not_i686=$(why_no_i686_wine)
echo "Wine tests ran on the builds: ${wine_builds// /, }${why_not_i686:+ (not i686: $why_not_i686)}"
exit "$status"
