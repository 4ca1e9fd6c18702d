#!/usr/bin/env bash
# `make bench`: soundcfg against the floor program (bench/floor.cpp, which only
# shows the same dialog template): start-up time, executable size, and the
# system calls that write each setup file during one OK. Prints figures;
# asserts nothing.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

if [ -z "${SOUNDCFG_IN_XVFB:-}" ]; then
  SOUNDCFG_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
wineserver -p
trap 'wineserver -k' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1

install=$BUILD_DIR/bench-install
register_install_directory "$install"

echo "soundcfg benchmark, $(date -u +%Y-%m-%d), $(nproc) cores, $(uname -m), $(wine --version)"
echo
pairs=${BENCH_PAIRS:-30}
wine "$BUILD_DIR/startup_bench.exe" "$(winepath -w "$BUILD_DIR/soundcfg.exe")" \
  "$(winepath -w "$BUILD_DIR/floor.exe")" "$pairs" | tr -d '\r'

program_size=$(stat -c %s "$BUILD_DIR/soundcfg.exe")
floor_size=$(stat -c %s "$BUILD_DIR/floor.exe")
echo
echo "executable size: soundcfg $program_size bytes, floor $floor_size bytes," \
  "ratio $(awk "BEGIN { printf \"%.2f\", $program_size / $floor_size }")," \
  "limit 24576 bytes"

# Wine writes a file from the program's own process, so tracing the process
# tree of one run catches every write that reaches the setup files.
trace=$BUILD_DIR/bench-strace.txt
rm -f "$install/pyma/setup.sav" "$install/pym2/setup.sav"
strace -f -qq -y -e trace=write,pwrite64,writev,pwritev -o "$trace" wine "$BUILD_DIR/soundcfg.exe" &
program=$!
wine "$BUILD_DIR/wait_for_window.exe" "Orvanta設定程式" >/dev/null
press_ok_until_exit "$program"
echo
for file in pyma pym2; do
  writes=$(grep -c "$file/setup.sav>" "$trace" || true)
  echo "write calls on $file/setup.sav during one OK: $writes (goal 1)"
done
