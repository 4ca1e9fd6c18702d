#!/usr/bin/env bash
# Static analysis of the project's own sources: clang-tidy (rules in
# .clang-tidy) and cppcheck. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each file with the compile commands of the build that compiles it: the
# Windows sources the clang build's, the unit tests and fuzzers the native
# build's. One file a process, as many at once as there are cores. clang-tidy
# counts the warnings it suppressed in system headers; the counts are no finding.
with_database() {
  local database=$1
  shift
  for file in "$@"; do printf '%s\0%s\0' "$database" "$file"; done
}
{
  with_database build/clang app/*.cpp settings/*.cpp dialog/*.cpp tools/wait_for_window.cpp
  with_database build/native tests/unit/*.cpp fuzz/*.cpp
} | xargs -0 -P "$(nproc)" -n 2 clang-tidy --quiet -p 2> >(sed -E '/^[0-9]+ warnings? generated\.$/d' >&2)
echo "clang-tidy: no findings"

# Newer cppcheck notes where it limited its analysis; that is no finding.
cppcheck --quiet --error-exitcode=1 --inline-suppr --std=c++17 --language=c++ \
  --suppress=normalCheckLevelMaxBranches \
  --enable=warning,style,performance,portability --library=windows --library=googletest \
  -D_WIN32 -I resources app settings dialog tools/wait_for_window.cpp \
  tests/unit tests/e2e tests/wine_guard.cpp fuzz bench
echo "cppcheck: no findings"
