#!/usr/bin/env bash
# Runs every test through ctest, in a virtual display: each build's Wine tests
# where this host runs that build under Wine (tools/host.sh), its other tests
# anyway, then the native unit tests. ctest's fixtures start and stop each
# build's Wine session; stopping them here too leaves nothing running or
# mounted when the run is cut short. A full run (no ctest arguments) also
# fuzzes for about 20 s.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
source "$tools/host.sh"
cd "$repo_root"

if [ -z "${SOUNDCFG_IN_XVFB:-}" ]; then
  SOUNDCFG_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

i686=$(i686_wine)
stop_sessions() {
  for build in build/i686 build/x86_64; do
    bash "$tools/wine-session.sh" "$build" stop
    bash tests/e2e/fault_cases.sh "$build" stop
  done
}
trap stop_sessions EXIT
rm -f build/*/fault-matrix.md

status=0
wine_tests=()
[ "$i686" = native ] || [ "$i686" = emulated ] || wine_tests=(--label-exclude wine)
ctest --test-dir build/i686 --output-on-failure "${wine_tests[@]}" "$@" || status=1
ctest --test-dir build/x86_64 --output-on-failure "$@" || status=1
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
exit "$status"
