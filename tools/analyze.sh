#!/usr/bin/env bash
# Static analysis of the project's own sources: clang-tidy (rules in
# .clang-tidy) and cppcheck. Any finding fails.
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$source/build}
cd "$source"

# The Windows sources are checked as the clang build compiles them, the unit
# tests as the native build does.
clang-tidy --quiet -p "$build/clang" app/*.cpp settings/*.cpp dialog/*.cpp tools/wait_for_window.cpp
clang-tidy --quiet -p "$build/native" tests/unit/*.cpp
clang-tidy --quiet -p "$build/fuzz" fuzz/*.cpp
echo "clang-tidy: no findings"

# Newer cppcheck notes where it limited its analysis; that is no finding.
cppcheck --quiet --error-exitcode=1 --inline-suppr --std=c++17 --language=c++ \
  --suppress=normalCheckLevelMaxBranches \
  --enable=warning,style,performance,portability --library=windows --library=googletest \
  -D_WIN32 -I resources app settings dialog tools/wait_for_window.cpp \
  tests/unit tests/e2e fuzz bench
echo "cppcheck: no findings"
