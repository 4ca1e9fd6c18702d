#!/usr/bin/env bash
# `make bench`: soundcfg against the floor program (bench/floor.cpp, which only
# shows the same dialog template): start-up time, executable size, and the
# system calls that write each setup file during one OK. Prints figures;
# asserts nothing. It times the first build this host runs under Wine.
set -euo pipefail
source "$(dirname "$0")/host.sh"
source "$(dirname "$0")/wine-env.sh" "$(first_wine_build)"

if [ -z "${SOUNDCFG_IN_XVFB:-}" ]; then
  SOUNDCFG_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
start_wine
trap 'wineserver -k' EXIT

install=$program_dir/bench-install
register_install_directory "$install"

echo "soundcfg benchmark, $(date -u +%Y-%m-%d), $(nproc) cores, $(uname -m), $(wine --version)," \
  "the $wine_build build"
echo
pairs=${BENCH_PAIRS:-30}
wine "$program_dir/startup_bench.exe" "$(unix_to_windows_path "$program_dir/soundcfg.exe")" \
  "$(unix_to_windows_path "$program_dir/floor.exe")" "$pairs" | tr -d '\r'

# The sizes are the product's, whichever build was timed.
program_size=$(stat -c %s "$BUILD_DIR/soundcfg.exe")
floor_size=$(stat -c %s "$BUILD_DIR/floor.exe")
echo
echo "executable size: soundcfg $program_size bytes, floor $floor_size bytes," \
  "ratio $(awk "BEGIN { printf \"%.2f\", $program_size / $floor_size }")," \
  "limit 24576 bytes"

# Wine writes a file from the program's own process, so tracing the process
# tree of one run catches every write that reaches the setup files.
trace=$program_dir/bench-strace.txt
rm -f "$install/pyma/setup.sav" "$install/pym2/setup.sav"
strace -f -qq -y -e trace=write,pwrite64,writev,pwritev -o "$trace" wine "$program_dir/soundcfg.exe" &
program=$!
wine "$program_dir/wait_for_window.exe" "Orvanta設定程式" >/dev/null
press_ok_until_exit "$program"
echo
for file in pyma pym2; do
  writes=$(grep -c "$file/setup.sav>" "$trace" || true)
  echo "write calls on $file/setup.sav during one OK: $writes (goal 1)"
done
