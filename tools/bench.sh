#!/usr/bin/env bash
# `make bench`: soundcfg against the floor program (bench/floor.cpp, which only
# shows the same dialog template): start-up time, executable size, and the
# system calls that write each setup file during one OK. Prints figures;
# asserts nothing. It times the product where this host runs it natively
# under Wine, else the x86_64 build; the sizes are the product's.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
source "$tools/host.sh"
build=$(native_wine_build)

[ -n "${SOUNDCFG_IN_DISPLAY:-}" ] || SOUNDCFG_IN_DISPLAY=1 exec "$tools/wine.sh" --display "$0" "$@"
source "$tools/wine-session.sh" "$build"
start_session
trap stop_session EXIT

install=$build/bench-install
register_install_directory "$install"

echo "soundcfg benchmark, $(date -u +%Y-%m-%d), $(nproc) cores, $(uname -m), $(wine --version)," \
  "the $(basename "$build") build"
echo
wine "$build/startup_bench.exe" "$(windows_path "$build/soundcfg.exe")" \
  "$(windows_path "$build/floor.exe")" "${BENCH_PAIRS:-30}" | tr -d '\r'

product=$repo_root/build/i686
program_size=$(stat -c %s "$product/soundcfg.exe")
floor_size=$(stat -c %s "$product/floor.exe")
echo
echo "executable size: soundcfg $program_size bytes, floor $floor_size bytes," \
  "ratio $(awk "BEGIN { printf \"%.2f\", $program_size / $floor_size }")," \
  "limit 24576 bytes"

# Wine writes a file from the program's own process, so tracing the process
# tree of one run catches every write that reaches the setup files.
trace=$build/bench-strace.txt
rm -f "$install/pyma/setup.sav" "$install/pym2/setup.sav"
strace -f -qq -y -e trace=write,pwrite64,writev,pwritev -o "$trace" "$tools/wine.sh" "$build/soundcfg.exe" &
program=$!
wine "$build/wait_for_window.exe" "Orvanta設定程式" >/dev/null
press_ok_until_exit "$program"
echo
for file in pyma pym2; do
  writes=$(grep -c "$file/setup.sav>" "$trace" || true)
  echo "write calls on $file/setup.sav during one OK: $writes (goal 1)"
done
