#!/usr/bin/env bash
# Runs every test through ctest, in three lanes side by side: each Windows
# build's Wine tests, in a display of its own, where its build was configured
# to run under Wine (tools/host.sh), and the checks that need no Wine: the
# product's static checks and the native unit tests, with, in a full run (no
# ctest arguments), the static analysis and about 20 s of fuzzing beside
# them. Each lane logs to a file, printed in turn as it ends. Nothing stays
# running or mounted afterwards, even when the run is cut short.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
source "$tools/host.sh"
cd "$repo_root"

# The checks that need no Wine, at a lower priority: they only take the
# processor, which the Wine tests' waits for windows must not lack.
without_wine() {
  local status=0 fuzzing=
  renice -n 10 -p "$BASHPID" >/dev/null
  if [ $# -eq 0 ]; then
    bash "$tools/fuzz.sh" 10 >build/fuzz.log 2>&1 &
    fuzzing=$!
    bash "$tools/analyze.sh" || status=1
  fi
  ctest --test-dir build/i686 --output-on-failure --parallel 2 --label-exclude wine "$@" || status=1
  ctest --test-dir build/native --output-on-failure "$@" || status=1
  [ -z "$fuzzing" ] || { wait "$fuzzing" || status=1; cat build/fuzz.log; }
  return "$status"
}

# lane NAME COMMAND...: runs COMMAND beside the other lanes (listed in
# lanes), its output in build/NAME-tests.log.
lane() {
  "${@:2}" >"build/$1-tests.log" 2>&1 &
  lanes+=("$1:$!")
}

# ctest's fixtures stop each build's Wine session, but ctest goes on through
# an interrupt. So each lane gets a process group of its own, which a stop of
# this script ends whole before it stops the sessions itself.
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

i686=$(configured_value i686 SOUNDCFG_I686_WINE)
[ "${SOUNDCFG_X86_64_ONLY:-}" != 1 ] || i686="SOUNDCFG_X86_64_ONLY=1 asks for the x86_64 build alone"
rm -f build/*/fault-matrix.md
[[ ! $i686 =~ ^(native|emulated)$ ]] || lane i686 in_display ctest --test-dir build/i686 --output-on-failure -L wine "$@"
lane x86_64 in_display ctest --test-dir build/x86_64 --output-on-failure "$@"
lane without-wine without_wine "$@"
status=0
for run in "${lanes[@]}"; do
  wait "${run#*:}" || status=1
  cat "build/${run%%:*}-tests.log"
done

ls build/*/fault-matrix.md 2>/dev/null | sed 's/^/fault matrix: /'
[[ $i686 =~ ^(native|emulated)$ ]] && tested=", and tested with the i686 build" ||
  tested=": its static checks ran, its Wine tests did not"
[ -n "$(configured_value i686 SOUNDCFG_MSVC_EXE)" ] && echo "the MSVC-mode product was built$tested" ||
  echo "no MSVC-mode product: it needs the emulation root, which this host could not build or enter"
case $i686 in
  native) echo "Wine tests ran on the builds: i686, x86_64" ;;
  emulated) echo "Wine tests ran on the builds: i686 (emulated: $(emulation_reason)), x86_64" ;;
  *) echo "Wine tests ran on the builds: x86_64 (not i686: $i686)" ;;
esac
exit "$status"
