#!/usr/bin/env bash
# Static analysis of the project's own sources: clang-tidy (rules in
# .clang-tidy) and cppcheck. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each file with the compile commands of the build that compiles it: the
# Windows sources the clang build's, the unit tests and fuzzers the native
# build's. A file that passed is checked again only once it, a header of the
# project's, its build's compile commands or the rules have changed: its
# stamp in build/analysis names all of them. One file a process, as many at
# once as there are cores. clang-tidy counts the warnings it suppressed in
# system headers; the counts are no finding.
mkdir -p build/analysis
headers=$(cat .clang-tidy app/*.h settings/*.h dialog/*.h resources/*.h tests/*.h tests/e2e/*.h | sha256sum)
unchecked() {
  local commands stamp
  commands=$(sha256sum <"$1/compile_commands.json")
  for file in "${@:2}"; do
    stamp=build/analysis/$({ echo "$headers $commands"; cat "$file"; } | sha256sum | cut -c1-32)
    [ -e "$stamp" ] || printf '%s\0%s\0%s\0' "$1" "$file" "$stamp"
  done
}
{ unchecked build/clang app/*.cpp settings/*.cpp dialog/*.cpp tools/wait_for_window.cpp
  unchecked build/native tests/unit/*.cpp fuzz/*.cpp; } |
  xargs -0 -r -P "$(nproc)" -n 3 sh -c 'clang-tidy --quiet -p "$1" "$2" && touch "$3"' clang-tidy \
  2> >(sed -E '/^[0-9]+ warnings? generated\.$/d' >&2)
echo "clang-tidy: no findings"

# Newer cppcheck notes where it limited its analysis; that is no finding.
cppcheck --quiet --error-exitcode=1 --inline-suppr --std=c++17 --language=c++ \
  --suppress=normalCheckLevelMaxBranches \
  --enable=warning,style,performance,portability --library=windows --library=googletest \
  -D_WIN32 -I resources app settings dialog tools/wait_for_window.cpp \
  tests/unit tests/e2e tests/wine_guard.cpp fuzz bench
echo "cppcheck: no findings"
