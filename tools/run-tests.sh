#!/usr/bin/env bash
# Runs every test through ctest: each Windows build's Wine tests where this
# host runs that build under Wine (tools/host.sh), its other tests anyway,
# then the native unit tests. Nothing stays running or mounted afterwards,
# even when the run is cut short. A full run (no ctest arguments) also fuzzes
# for about 20 s.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
source "$tools/host.sh"
cd "$repo_root"

# Runs a command in a virtual display of its own. Xvfb picks a free display
# number itself, so that two started side by side do not race for one.
in_display() {
  local numbers display xvfb status=0
  exec {numbers}< <(exec Xvfb -displayfd 1 -nolisten tcp -screen 0 1024x768x24 2>/dev/null)
  xvfb=$!
  read -r display <&"$numbers"
  DISPLAY=:$display "$@" || status=$?
  kill "$xvfb"
  return "$status"
}

i686=$(i686_wine)
wine_tests=()
[ "$i686" = native ] || [ "$i686" = emulated ] || wine_tests=(--label-exclude wine)
rm -f build/*/fault-matrix.md

# ctest's fixtures stop each build's Wine session, but ctest goes on through
# an interrupt. So each build's run gets a process group of its own, which a
# stop of this script ends whole before it stops the sessions itself.
set -m
stop_all() {
  for run in $(jobs -p); do kill -- "-$run" 2>/dev/null || true; done
  wait || true
  for build in build/i686 build/x86_64; do
    bash "$tools/wine-session.sh" "$build" stop
    bash tests/e2e/fault_cases.sh "$build" stop
  done
}
trap stop_all EXIT
trap 'exit 130' INT TERM

# The two Windows builds side by side, each with its own Wine session and
# display; the x86_64 build's log follows the product's.
status=0
in_display ctest --test-dir build/i686 --output-on-failure "${wine_tests[@]}" "$@" &
i686_run=$!
in_display ctest --test-dir build/x86_64 --output-on-failure "$@" >build/x86_64/ctest.log 2>&1 &
x86_64_run=$!
wait "$i686_run" || status=1
wait "$x86_64_run" || status=1
cat build/x86_64/ctest.log
ctest --test-dir build/native --output-on-failure "$@" || status=1
if [ $# -eq 0 ]; then
  bash "$tools/fuzz.sh" 10 || status=1
fi

ls build/*/fault-matrix.md 2>/dev/null | sed 's/^/fault matrix: /'
case $i686 in
  native) echo "Wine tests ran on the builds: i686, x86_64" ;;
  emulated) echo "Wine tests ran on the builds: i686 (emulated: this kernel runs no 32-bit programs), x86_64" ;;
  *) echo "Wine tests ran on the builds: x86_64 (not i686: $i686)" ;;
esac
[ -f build/msvc/soundcfg.exe ] && echo "the MSVC-mode product was built, and tested with the i686 build" ||
  echo "no MSVC-mode product: it needs the emulation root, which this host could not build or enter"
exit "$status"
